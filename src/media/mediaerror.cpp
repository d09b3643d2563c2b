#include "mediaerror.h"

#include <gst/gst.h>

namespace MediaError {

namespace {

struct CodeRow
{
    GQuark (*domain)();
    int gstCode;
    std::uint32_t code;
};

const CodeRow codeTable[] = {
    {gst_resource_error_quark, GST_RESOURCE_ERROR_NOT_FOUND, NotFound},
    {gst_resource_error_quark, GST_RESOURCE_ERROR_OPEN_READ, AccessDenied},
    {gst_resource_error_quark, GST_RESOURCE_ERROR_OPEN_READ_WRITE, AccessDenied},
    {gst_resource_error_quark, GST_RESOURCE_ERROR_NOT_AUTHORIZED, AccessDenied},
    {gst_resource_error_quark, GST_RESOURCE_ERROR_READ, ReadError},
    {gst_resource_error_quark, GST_RESOURCE_ERROR_SEEK, ReadError},
    {gst_stream_error_quark, GST_STREAM_ERROR_TYPE_NOT_FOUND, UnsupportedStream},
    {gst_stream_error_quark, GST_STREAM_ERROR_WRONG_TYPE, UnsupportedStream},
    {gst_stream_error_quark, GST_STREAM_ERROR_CODEC_NOT_FOUND, UnsupportedStream},
    {gst_stream_error_quark, GST_STREAM_ERROR_DEMUX, UnsupportedStream},
    {gst_stream_error_quark, GST_STREAM_ERROR_DECODE, UnsupportedStream},
    {gst_stream_error_quark, GST_STREAM_ERROR_FORMAT, UnsupportedStream},
    {gst_core_error_quark, GST_CORE_ERROR_MISSING_PLUGIN, UnsupportedStream},
};

} // namespace

std::uint32_t CodeOf(const GError *error)
{
    if (!error)
        return Failed;
    for (const CodeRow &row : codeTable) {
        if (error->domain == row.domain() && error->code == row.gstCode)
            return row.code;
    }
    return Failed;
}

QString TextOf(const GError *error)
{
    if (error && error->message && *error->message)
        return QString::fromUtf8(error->message);
    return QStringLiteral("Media framework failure.");
}

} // namespace MediaError

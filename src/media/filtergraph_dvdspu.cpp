// DVD sub-pictures: the navigator lists a title's streams and says which one
// the disc shows; the demuxer behind it and the sub-picture overlay of the DVD
// bin draw it. A stream chosen here is shown whole, not only its forced parts.
#include "filtergraph.h"
#include "filtergraph_p.h"

#include <algorithm>

namespace {

// Without any stream of its own a title still gets one for its menus.
constexpr const char *MenuOnlyLanguage = "MENU";

} // namespace

void TFilterGraph::Private::ReadDvdSubpictures(const GstStructure *langCodes)
{
    QStringList languages;
    QList<int> physical;
    for (int i = 0;; ++i) {
        const QByteArray prefix = "subpicture-" + QByteArray::number(i);
        gint stream = 0;
        if (!gst_structure_get_int(langCodes, QByteArray(prefix + "-stream").constData(), &stream))
            break;
        const QString language = QString::fromUtf8(
            gst_structure_get_string(langCodes, QByteArray(prefix + "-language").constData()));
        if (language == QLatin1StringView(MenuOnlyLanguage))
            continue;
        physical.append(stream);
        languages.append(language);
    }
    dvdSubpictureLanguages = languages;
    dvdSubpicturePhysical = physical;
    if (dvdSubpictureShown > physical.size())
        dvdSubpictureShown = 0;
}

void TFilterGraph::Private::ReadDvdSubpictureChoice(const GstStructure *choice)
{
    gint logical = 0;
    gboolean forcedOnly = TRUE;
    if (!gst_structure_get_int(choice, "logical-id", &logical)
        || !gst_structure_get_boolean(choice, "forced-only", &forcedOnly))
        return;
    dvdSubpictureShown
        = !forcedOnly && logical >= 0 && logical < dvdSubpicturePhysical.size() ? logical + 1 : 0;
}

int TFilterGraph::Private::CountDvdSubpictures() const
{
    const std::lock_guard<std::mutex> lock(dvdMutex);
    return static_cast<int>(dvdSubpicturePhysical.size());
}

bool TFilterGraph::Private::SelectDvdSubpicture(int n)
{
    int logical = 0;
    int physical = 0;
    {
        const std::lock_guard<std::mutex> lock(dvdMutex);
        if (n < 0 || n > dvdSubpicturePhysical.size())
            return false;
        // Off keeps the stream the disc chose for what it forces (menus, signs).
        logical = n > 0 ? n - 1 : std::max(dvdSubpictureShown - 1, 0);
        physical = dvdSubpicturePhysical.isEmpty() ? 0 : dvdSubpicturePhysical[logical];
    }
    const bool sent = SendToDvdDemuxer(gst_structure_new(
        "application/x-gst-dvd", "event", G_TYPE_STRING, "dvd-set-subpicture-track", "logical-id",
        G_TYPE_INT, logical, "physical-id", G_TYPE_INT, physical, "forced-only", G_TYPE_BOOLEAN,
        n == 0 ? TRUE : FALSE, nullptr));
    if (sent) {
        const std::lock_guard<std::mutex> lock(dvdMutex);
        dvdSubpictureShown = n;
    }
    return sent;
}

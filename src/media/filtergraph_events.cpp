// Bus messages come from streaming threads; the player handles them on the UI
// thread. The sync handler counts each message and queues a wake-up event when
// the count leaves zero; the UI thread then takes exactly the announced
// messages off the bus, so events keep their order, none is left behind (the
// end of a film is often the last message) and no GLib loop is needed.
#include "filtergraph.h"
#include "filtergraph_p.h"
#include "mediaerror.h"
#include "videosink.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// How long a drain waits for a message that was announced but not yet queued.
constexpr GstClockTime AnnouncedMessageWait = 200 * GST_MSECOND;

} // namespace

int BusWakeEventType()
{
    static const int type = QEvent::registerEventType();
    return type;
}

GstBusSyncReply TFilterGraph::Private::OnBusMessage(GstBus *, GstMessage *, gpointer self)
{
    auto *that = static_cast<Private *>(self);
    if (that->announced.fetch_add(1) == 0)
        QCoreApplication::postEvent(that->q,
                                    new QEvent(static_cast<QEvent::Type>(BusWakeEventType())));
    return GST_BUS_PASS;
}

bool TFilterGraph::event(QEvent *event)
{
    if (event->type() != BusWakeEventType())
        return QObject::event(event);
    if (!d->preparing)
        d->DrainBus();
    return true;
}

void TFilterGraph::Private::DrainBus()
{
    // A handler may release or rebuild the graph; re-read the pipeline each time.
    while (pipeline && announced.load() > 0) {
        GstBus *bus = gst_element_get_bus(pipeline);
        GstMessage *message = gst_bus_timed_pop(bus, AnnouncedMessageWait);
        gst_object_unref(bus);
        if (!message) {
            // Taken or dropped elsewhere (an error pop discards the rest): forget
            // what was seen, keep what was announced meanwhile.
            const int seen = announced.load();
            if (announced.fetch_sub(seen) - seen > 0)
                continue;
            return;
        }
        announced.fetch_sub(1);
        Dispatch(message);
    }
}

void TFilterGraph::Private::Dispatch(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: {
        gst_message_unref(message);
        // A still picture stays on screen until the player decides to move on.
        if (q->IsStillPicture())
            return;
        // The last frame may still wait for the UI thread (a short clip ends
        // within a frame's time): it is shown before the end is handled.
        if (videoSink && videoSink->DeliverPending() && videoWindow)
            videoWindow->repaint();
        emit q->OnDSEvent(MediaEvent::Complete, 0, 0);
        emit q->OnGraphComplete(0);
        return;
    }
    case GST_MESSAGE_ERROR: {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const std::uint32_t code = MediaError::CodeOf(error);
        const QString text = MediaError::TextOf(error);
        g_clear_error(&error);
        gst_message_unref(message);
        emit q->OnDSEvent(MediaEvent::ErrorAbort, static_cast<qint64>(code), 0);
        emit q->OnGraphErrorAbort(code, text);
        return;
    }
    default:
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ELEMENT)
            NoteMissingDecoder(message);
        if (dvd)
            DispatchDvd(message);
        gst_message_unref(message);
        return;
    }
}

#include "mediadiagnostics.h"

#include <gst/gst.h>

namespace MediaDiagnostics {

int LiveFrameworkObjects()
{
    if (!gst_is_initialized())
        return -1;
    int count = -1;
    GList *tracers = gst_tracing_get_active_tracers();
    for (GList *item = tracers; item; item = item->next) {
        auto *tracer = static_cast<GstTracer *>(item->data);
        if (count >= 0 || g_strcmp0(G_OBJECT_TYPE_NAME(tracer), "GstLeaksTracer") != 0)
            continue;
        GstStructure *live = nullptr;
        g_signal_emit_by_name(tracer, "get-live-objects", &live);
        if (live) {
            const GValue *list = gst_structure_get_value(live, "live-objects-list");
            count = list ? static_cast<int>(gst_value_list_get_size(list)) : 0;
            gst_structure_free(live);
        }
    }
    g_list_free_full(tracers, gst_object_unref);
    return count;
}

} // namespace MediaDiagnostics

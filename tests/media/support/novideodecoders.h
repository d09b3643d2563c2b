#pragma once

#include <gst/gst.h>
#include <utility>
#include <vector>

// Hides every video decoder from new graphs while it lives, as on a system
// that lacks them.
class NoVideoDecoders
{
public:
    NoVideoDecoders()
    {
        GList *decoders = gst_element_factory_list_get_elements(
            GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_MEDIA_VIDEO,
            GST_RANK_MARGINAL);
        for (GList *item = decoders; item; item = item->next) {
            auto *feature = GST_PLUGIN_FEATURE(gst_object_ref(item->data));
            m_ranks.emplace_back(feature, gst_plugin_feature_get_rank(feature));
            gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
        }
        gst_plugin_feature_list_free(decoders);
    }
    ~NoVideoDecoders()
    {
        for (auto &[feature, rank] : m_ranks) {
            gst_plugin_feature_set_rank(feature, rank);
            gst_object_unref(feature);
        }
    }
    NoVideoDecoders(const NoVideoDecoders &) = delete;
    NoVideoDecoders &operator=(const NoVideoDecoders &) = delete;

private:
    std::vector<std::pair<GstPluginFeature *, guint>> m_ranks;
};

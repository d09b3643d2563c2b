#include "mediawarmup.h"

#include <gst/gst.h>
#include <thread>

namespace {

// The plug-ins a typical film needs: finding the type, demuxing, parsing,
// decoding, converting and the player's own sink.
constexpr const char *kPlugins[]
    = {"coreelements",    "typefindfunctions", "playback",      "isomp4", "matroska",
       "videoparsersbad", "audioparsers",      "libav",         "app",    "videoconvertscale",
       "videocrop",       "audioconvert",      "audioresample", "volume", "autodetect"};

struct Worker
{
    std::thread thread;
    ~Worker()
    {
        if (thread.joinable())
            thread.join();
    }
};

void LoadPlugins()
{
    gst_init(nullptr, nullptr); // thread-safe, and a no-op once done
    for (const char *name : kPlugins) {
        if (GstPlugin *plugin = gst_plugin_load_by_name(name))
            gst_object_unref(plugin);
    }
}

} // namespace

namespace MediaWarmUp {

void Start()
{
    static Worker worker;
    if (!worker.thread.joinable())
        worker.thread = std::thread(LoadPlugins);
}

} // namespace MediaWarmUp

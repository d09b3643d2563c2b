#include "mediawarmup.h"

#include <condition_variable>
#include <gst/gst.h>
#include <mutex>
#include <thread>

namespace {

// The plug-ins a typical film needs: finding the type, demuxing, parsing,
// converting and the player's own sink. Its H.264/H.265 and AAC the player
// decodes itself; the framework's libav plug-in, by far the largest, loads
// only for a film that needs one of its other decoders.
constexpr const char *kPlugins[] = {"coreelements",
                                    "typefindfunctions",
                                    "playback",
                                    "isomp4",
                                    "matroska",
                                    "videoparsersbad",
                                    "audioparsers",
                                    "app",
                                    "videoconvertscale",
                                    "videocrop",
                                    "audioconvert",
                                    "audioresample",
                                    "volume",
                                    "autodetect"};

std::mutex loadingMutex;
std::condition_variable loadingDone;
bool loading = false;

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
    {
        std::lock_guard lock(loadingMutex);
        loading = false;
    }
    loadingDone.notify_all();
}

} // namespace

namespace MediaWarmUp {

void Start()
{
    static Worker worker;
    if (worker.thread.joinable())
        return;
    {
        std::lock_guard lock(loadingMutex);
        loading = true;
    }
    worker.thread = std::thread(LoadPlugins);
}

void WaitUntilLoaded()
{
    std::unique_lock lock(loadingMutex);
    loadingDone.wait(lock, [] { return !loading; });
}

} // namespace MediaWarmUp

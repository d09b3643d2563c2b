/*
 * Example plug-in: writes every event the player sends, one line each, to a log file, and
 * pauses a film whose path contains a chosen text as soon as it starts.
 *
 *   TAVREL_EVENTLOG_FILE   the log file (default: "eventlog.txt" in the plug-in folder)
 *   TAVREL_EVENTLOG_PAUSE  pause on event 1 when the current path contains this text
 *
 * Built against nothing but <tavrel/plugin.h>; with TVL_EXAMPLE_GSTREAMER defined (and
 * GStreamer linked) event 14 logs the kind of pipeline it was given.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tavrel/plugin.h>

#ifdef TVL_EXAMPLE_GSTREAMER
#include <gst/gst.h>
#endif

/* The player's pause command. */
#define EVENTLOG_COMMAND_PAUSE 21

static const TVL_HostTable *host;
static FILE *logFile;
static char pausePattern[256];

static void logLine(const char *line)
{
    if (!logFile)
        return;
    fputs(line, logFile);
    fputc('\n', logFile);
    /* Every line reaches the file at once: the player may end without a stop. */
    fflush(logFile);
}

static void logGraph(char *line, size_t size, intptr_t argument)
{
#ifdef TVL_EXAMPLE_GSTREAMER
    GstElement *pipeline = (GstElement *)argument;
    GstElementFactory *factory = pipeline ? gst_element_get_factory(pipeline) : NULL;
    snprintf(line, size, "14 %s same=%d", factory ? GST_OBJECT_NAME(factory) : "none",
             host->media_graph() == pipeline);
#else
    snprintf(line, size, "14 %s same=%d", argument ? "graph" : "none",
             (intptr_t)host->media_graph() == argument);
#endif
}

static int32_t TVL_CALL onEvent(int32_t code, intptr_t argument)
{
    char line[512];
    if (code == TVL_EVENT_MOUSE_MOVE) {
        const TVL_MouseRecord *mouse = (const TVL_MouseRecord *)argument;
        snprintf(line, sizeof line, "10 x=%d y=%d shift=%u cursor=%d", (int)mouse->x, (int)mouse->y,
                 (unsigned)mouse->shift, (int)mouse->cursor);
    } else if (code == TVL_EVENT_KEY) {
        const TVL_KeyRecord *key = (const TVL_KeyRecord *)argument;
        snprintf(line, sizeof line, "11 key=%u shift=%u", (unsigned)key->key, (unsigned)key->shift);
    } else if (code == TVL_EVENT_GRAPH_CREATED) {
        logGraph(line, sizeof line, argument);
    } else {
        snprintf(line, sizeof line, "%d %ld", (int)code, (long)argument);
    }
    logLine(line);

    if (code == TVL_EVENT_STARTED && pausePattern[0] && *host->current_file
        && strstr(*host->current_file, pausePattern)) {
        const int32_t answer = host->send_command(EVENTLOG_COMMAND_PAUSE, 0);
        snprintf(line, sizeof line, "sent %d answer %d", EVENTLOG_COMMAND_PAUSE, (int)answer);
        logLine(line);
    }
    return 0;
}

TVL_PLUGIN_EXPORT int32_t TVL_CALL TVL_info(void)
{
    return TVL_INTERFACE_VERSION;
}

TVL_PLUGIN_EXPORT const char *TVL_CALL TVL_name(void)
{
    return "Event log";
}

TVL_PLUGIN_EXPORT void TVL_CALL TVL_importfunction(const TVL_HostTable *table,
                                                   TVL_Callback *callback)
{
    host = table;
    *callback = onEvent;
}

TVL_PLUGIN_EXPORT void TVL_CALL TVL_start(void)
{
    const char *file = getenv("TAVREL_EVENTLOG_FILE");
    const char *pattern = getenv("TAVREL_EVENTLOG_PAUSE");
    char path[1024];
    if (!file || !*file) {
        snprintf(path, sizeof path, "%seventlog.txt", host->plugin_folder());
        file = path;
    }
    logFile = fopen(file, "a");
    snprintf(pausePattern, sizeof pausePattern, "%s", pattern ? pattern : "");
    snprintf(path, sizeof path, "start version=%s", *host->version);
    logLine(path);
}

TVL_PLUGIN_EXPORT void TVL_CALL TVL_stop(void)
{
    logLine("stop");
    if (logFile)
        fclose(logFile);
    logFile = NULL;
    host = NULL;
}

/*
 * Example plug-in: rewrites the player's key and mouse events before the player acts on
 * them.
 *
 *   TAVREL_INPUTFILTER_ZERO_KEY  a virtual key code that is swallowed (set to 0)
 *   TAVREL_INPUTFILTER_CONSUME   "1": key events stop here, later plug-ins do not see them
 *   TAVREL_INPUTFILTER_CURSOR    a TVL_CURSOR_* value for the pointer over the video
 *                                (10, TVL_CURSOR_NONE, hides it)
 *
 * Needs nothing but <tavrel/plugin.h>:
 *   cc -shared -fPIC -I<tavrel>/include -o inputfilter.so inputfilter.c
 */
#include <stdlib.h>
#include <tavrel/plugin.h>

static long zeroKey = -1;
static int consumeKeys;
static long cursor = -1;

static long numberFrom(const char *name)
{
    const char *text = getenv(name);
    char *end = NULL;
    long value;
    if (!text || !*text)
        return -1;
    value = strtol(text, &end, 10);
    return *end ? -1 : value;
}

static int32_t TVL_CALL onEvent(int32_t code, intptr_t argument)
{
    if (code == TVL_EVENT_KEY) {
        TVL_KeyRecord *key = (TVL_KeyRecord *)argument;
        if (zeroKey >= 0 && key->key == zeroKey)
            key->key = 0;
        return consumeKeys ? 1 : 0;
    }
    if (code == TVL_EVENT_MOUSE_MOVE && cursor >= 0) {
        TVL_MouseRecord *mouse = (TVL_MouseRecord *)argument;
        mouse->cursor = (int16_t)cursor;
    }
    return 0;
}

TVL_PLUGIN_EXPORT int32_t TVL_CALL TVL_info(void)
{
    return TVL_INTERFACE_VERSION;
}

TVL_PLUGIN_EXPORT const char *TVL_CALL TVL_name(void)
{
    return "Input filter";
}

TVL_PLUGIN_EXPORT void TVL_CALL TVL_importfunction(const TVL_HostTable *table,
                                                   TVL_Callback *callback)
{
    (void)table;
    *callback = onEvent;
}

TVL_PLUGIN_EXPORT void TVL_CALL TVL_start(void)
{
    zeroKey = numberFrom("TAVREL_INPUTFILTER_ZERO_KEY");
    consumeKeys = numberFrom("TAVREL_INPUTFILTER_CONSUME") == 1;
    cursor = numberFrom("TAVREL_INPUTFILTER_CURSOR");
}

/*
 * Tavrel plug-in interface, version 3.
 *
 * A plug-in is a shared library (".so"; ".dll" on Windows) placed directly in the
 * "Plugins" folder beside the player's executable. The player loads every such library
 * by its full path, in file-name order, and keeps those whose TVL_info() answers
 * TVL_INTERFACE_VERSION. This header is all a plug-in needs: it is plain C (C99 or C++)
 * and uses no header of the player's own.
 *
 * Calls, in order:
 *   TVL_info()                  once after loading; anything but 3 unloads the library
 *                               and nothing else of it is ever called.
 *   TVL_importfunction(t, cb)   once, after every library is loaded, in load order. Keep
 *                               the table `t` (it lives until TVL_stop) and store your event
 *                               callback in *cb (or leave it null: no events).
 *   TVL_start()                 once during start-up, before the main window first paints.
 *   callback(code, argument)    for every event below; return 1 to consume the event (later
 *                               plug-ins do not see it), anything else to pass it on.
 *   TVL_stop()                  at exit, just before the library is unloaded.
 *   TVL_name(), TVL_config(), TVL_about()  by the settings dialog.
 * Every export but TVL_info is optional. All calls happen on the player's user-interface
 * thread; a plug-in that wants to act later must do so from that thread. Faults inside a
 * plug-in are not caught by the player.
 *
 * Binary layout of the host table (struct TVL_HostTable), fixed for plug-ins built by
 * others: every slot is pointer-sized and slot n lies at byte offset n * sizeof(void *).
 *   0  const char *const *current_file    address of the variable holding the current
 *                                          medium's path (null while nothing is open)
 *   1  const char *const *current_title   address of the variable holding its title
 *   2  uintptr_t main_window               native id of the main window (X11 window id,
 *                                          HWND on Windows; 0 when the platform has none)
 *   3  settings_window()                   native id of the settings dialog while it
 *                                          exists, else 0
 *   4  show_status(text, tenths, kind)     kind 1 small status box, 2 large caption;
 *                                          other kinds and a null text do nothing
 *   5  plugin_folder()                     the plug-in folder, ending in a separator;
 *                                          valid until the plug-in is stopped
 *   6  media_graph()                       the current media pipeline (a GstElement *
 *                                          of GStreamer 1.x, no reference added), or null
 *   7  const char *const *video_masks      ";"-separated masks of the video files
 *   8  const char *const *playlist_masks   ";"-separated masks of the playlist files
 *   9  const char *const *version          the player's version text
 *  10  const char *const *app_folder       the program folder, ending in a separator
 *  11  send_command(code, param)           runs a player command synchronously on the
 *                                          user-interface thread and returns its answer
 *                                          (the command codes of the command message)
 * Strings are NUL-terminated UTF-8. Read the variables of slots 0 and 1 when you need
 * them: their content changes with the medium.
 *
 * Records passed as the argument of events 10 and 11 (the player reads them back after
 * the callbacks, so a plug-in may change them):
 *   TVL_MouseRecord, 16 bytes: 0 x (int32), 4 y (int32) in the video area's coordinates,
 *     8 shift state (uint8, TVL_SHIFT_* bits), 12 cursor (int16, TVL_CURSOR_*, preset 0).
 *   TVL_KeyRecord, 3 bytes used: 0 virtual key (uint16; set 0 to swallow the key),
 *     2 shift state (uint8).
 *
 * Calling convention: the platform's C convention; TVL_CALL is __stdcall on 32-bit Windows
 * and empty elsewhere. Every function below, and every pointer in the table, uses it.
 */
#ifndef TAVREL_PLUGIN_H
#define TAVREL_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TVL_CALL __stdcall
#else
#define TVL_CALL
#endif

#if defined(_WIN32)
#define TVL_EXPORT __declspec(dllexport)
#else
#define TVL_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define TVL_EXTERN_C extern "C"
#else
#define TVL_EXTERN_C
#endif

/* Put TVL_PLUGIN_EXPORT before each export a plug-in defines. */
#define TVL_PLUGIN_EXPORT TVL_EXTERN_C TVL_EXPORT

#define TVL_INTERFACE_VERSION 3

/* Events: code, and the argument the callback receives. */
enum {
    TVL_EVENT_STARTED = 1,       /* a medium started playing: 1 file, 2 DVD */
    TVL_EVENT_ENDED = 2,         /* the medium played to its end: 1 */
    TVL_EVENT_STOPPED = 3,       /* the stop command stopped playback: 0 */
    TVL_EVENT_PAUSED = 4,        /* the pause command paused playback: 0 */
    TVL_EVENT_STARTUP_DONE = 5,  /* settings read, before the playlist and command line: 0 */
    TVL_EVENT_PLAYING = 6,       /* the play command (re)started playback: 0 */
    TVL_EVENT_MAXIMIZED = 7,     /* the main window was maximized: 0 */
    TVL_EVENT_RESTORED = 8,      /* the main window was restored: 0 */
    TVL_EVENT_LIST_ENDED = 9,    /* the last playable playlist entry ended: 0 */
    TVL_EVENT_MOUSE_MOVE = 10,   /* the mouse moved over the video: TVL_MouseRecord * */
    TVL_EVENT_KEY = 11,          /* a key reached the key map: TVL_KeyRecord * */
    TVL_EVENT_SHOWN_AGAIN = 12,  /* the main window came back from being minimized: 0 */
    TVL_EVENT_GRAPH_CREATED = 14 /* a pipeline was created, before the medium is rendered:
                                    the pipeline (as media_graph() returns it) */
};

/* Shift state bits of both records. */
enum {
    TVL_SHIFT_SHIFT = 0x01,
    TVL_SHIFT_ALT = 0x02,
    TVL_SHIFT_CTRL = 0x04,
    TVL_SHIFT_LEFT = 0x08,
    TVL_SHIFT_RIGHT = 0x10,
    TVL_SHIFT_MIDDLE = 0x20,
    TVL_SHIFT_DOUBLE = 0x40
};

/* The cursor field of the mouse record. Values outside this list give the default. */
enum {
    TVL_CURSOR_DEFAULT = 0,
    TVL_CURSOR_UP_ARROW = 1,
    TVL_CURSOR_CROSS = 2,
    TVL_CURSOR_WAIT = 3,
    TVL_CURSOR_IBEAM = 4,
    TVL_CURSOR_SIZE_VER = 5,
    TVL_CURSOR_SIZE_HOR = 6,
    TVL_CURSOR_SIZE_BDIAG = 7,
    TVL_CURSOR_SIZE_FDIAG = 8,
    TVL_CURSOR_SIZE_ALL = 9,
    TVL_CURSOR_NONE = 10, /* the pointer is invisible */
    TVL_CURSOR_SPLIT_V = 11,
    TVL_CURSOR_SPLIT_H = 12,
    TVL_CURSOR_HAND = 13,
    TVL_CURSOR_FORBIDDEN = 14,
    TVL_CURSOR_HELP = 15,
    TVL_CURSOR_BUSY = 16,
    TVL_CURSOR_LAST = 16
};

typedef struct TVL_MouseRecord
{
    int32_t x;
    int32_t y;
    uint8_t shift;
    uint8_t reserved[3];
    int16_t cursor;
    uint8_t reserved2[2];
} TVL_MouseRecord;

typedef struct TVL_KeyRecord
{
    uint16_t key;
    uint8_t shift;
    uint8_t reserved;
} TVL_KeyRecord;

typedef int32_t(TVL_CALL *TVL_Callback)(int32_t code, intptr_t argument);

typedef struct TVL_HostTable
{
    const char *const *current_file;
    const char *const *current_title;
    uintptr_t main_window;
    uintptr_t(TVL_CALL *settings_window)(void);
    void(TVL_CALL *show_status)(const char *text, uint8_t tenths, int32_t kind);
    const char *(TVL_CALL *plugin_folder)(void);
    void *(TVL_CALL *media_graph)(void);
    const char *const *video_masks;
    const char *const *playlist_masks;
    const char *const *version;
    const char *const *app_folder;
    int32_t(TVL_CALL *send_command)(int32_t code, int32_t param);
} TVL_HostTable;

/* The exports, as the player looks them up. */
typedef int32_t(TVL_CALL *TVL_InfoFunction)(void);
typedef const char *(TVL_CALL *TVL_NameFunction)(void);
typedef void(TVL_CALL *TVL_VoidFunction)(void);
typedef void(TVL_CALL *TVL_ImportFunction)(const TVL_HostTable *table, TVL_Callback *callback);

#if defined(__cplusplus)
#define TVL_STATIC_ASSERT(condition, text) static_assert(condition, text)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define TVL_STATIC_ASSERT(condition, text) _Static_assert(condition, text)
#else
/* C99: a negative array size stops the build. */
#define TVL_STATIC_ASSERT_JOIN2(a, b) a##b
#define TVL_STATIC_ASSERT_JOIN(a, b) TVL_STATIC_ASSERT_JOIN2(a, b)
#define TVL_STATIC_ASSERT(condition, text)                                                         \
    typedef char TVL_STATIC_ASSERT_JOIN(tvl_static_assert_, __LINE__)[(condition) ? 1 : -1]
#endif

TVL_STATIC_ASSERT(sizeof(TVL_MouseRecord) == 16, "mouse record is 16 bytes");
TVL_STATIC_ASSERT(offsetof(TVL_MouseRecord, y) == 4, "mouse y at 4");
TVL_STATIC_ASSERT(offsetof(TVL_MouseRecord, shift) == 8, "mouse shift at 8");
TVL_STATIC_ASSERT(offsetof(TVL_MouseRecord, cursor) == 12, "mouse cursor at 12");
TVL_STATIC_ASSERT(offsetof(TVL_KeyRecord, shift) == 2, "key shift at 2");
TVL_STATIC_ASSERT(sizeof(TVL_HostTable) == 12 * sizeof(void *), "twelve pointer-sized slots");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, current_title) == 1 * sizeof(void *), "title slot 1");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, main_window) == 2 * sizeof(void *), "window slot 2");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, settings_window) == 3 * sizeof(void *), "dialog slot 3");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, show_status) == 4 * sizeof(void *), "status slot 4");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, plugin_folder) == 5 * sizeof(void *), "folder slot 5");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, media_graph) == 6 * sizeof(void *), "graph slot 6");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, video_masks) == 7 * sizeof(void *), "masks slot 7");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, playlist_masks) == 8 * sizeof(void *), "lists slot 8");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, version) == 9 * sizeof(void *), "version slot 9");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, app_folder) == 10 * sizeof(void *), "folder slot 10");
TVL_STATIC_ASSERT(offsetof(TVL_HostTable, send_command) == 11 * sizeof(void *), "command slot 11");

#endif /* TAVREL_PLUGIN_H */

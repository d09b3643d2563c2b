#include "themepictures.h"

namespace {

constexpr TThemePictureInfo kPictures[] = {
    {"IOPEN", {48, 48}, true},    {"IPLAY", {48, 48}, true},  {"IPLAYLIST", {48, 48}, true},
    {"IPROP", {48, 48}, true},    {"IHELP", {48, 48}, true},  {"IMINIM", {48, 48}, true},
    {"IFULLSCR", {48, 48}, true}, {"ICLOSE", {48, 48}, true}, {"IVOLUME", {32, 32}, true},
    {"IZOOM", {24, 24}, true},    {"PPLAY", {32, 32}, true},  {"PSTOP", {32, 32}, true},
    {"PPAUSE", {32, 32}, true},   {"PHOME", {32, 32}, true},  {"PPREV", {32, 32}, true},
    {"PNEXT", {32, 32}, true},    {"POPEN", {32, 32}, true},  {"PLIST", {32, 32}, true},
    {"PFULLSCR", {32, 32}, true}, {"PBADD", {24, 24}, true},  {"PBDEL", {24, 24}, true},
    {"PBRAND", {24, 24}, true},   {"PBUP", {24, 24}, true},   {"PBDOWN", {24, 24}, true},
    {"PBPLSWP", {24, 24}, true},  {"TVL", {151, 53}, false},  {"CBRIG", {32, 32}, false},
    {"CCONT", {32, 32}, false},   {"CSAT", {32, 32}, false},
};

constexpr const char *kMainWindowOrder[] = {
    "IOPEN",  "IPLAY",   "IPLAYLIST", "IPROP", "IHELP", "IMINIM",   "IFULLSCR",
    "ICLOSE", "IVOLUME", "IZOOM",     "PPLAY", "PSTOP", "PFULLSCR", "PLIST",
    "POPEN",  "PPAUSE",  "PHOME",     "PNEXT", "PPREV",
};

} // namespace

namespace ThemePictures {

std::span<const TThemePictureInfo> All()
{
    return kPictures;
}

std::span<const char *const> MainWindowOrder()
{
    return kMainWindowOrder;
}

const char *ResourcePrefix()
{
    return ":/artwork/";
}

} // namespace ThemePictures

#pragma once

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

// Widgets, fonts and timers need an application object, which gtest_main does not create.
class ControlsTestApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "controls_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

inline ::testing::Environment *const controlsTestApp
    = ::testing::AddGlobalTestEnvironment(new ControlsTestApp);

// A pixel of any image format as 0x00BBGGRR, the form the controls take colours in.
inline quint32 bgrAt(const QImage &image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return static_cast<quint32>(qRed(rgb)) | static_cast<quint32>(qGreen(rgb)) << 8
           | static_cast<quint32>(qBlue(rgb)) << 16;
}

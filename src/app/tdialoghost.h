#pragma once

#include "imediadialoghost.h"
#include "media/mediainspector.h"
#include "media/videobalance.h"

class TTavrelApp;

// The player as the media information, picture and audio track windows see
// it: its graph, settings, language and opening rules.
class TDialogHost final : public IMediaDialogHost
{
public:
    explicit TDialogHost(TTavrelApp &app);

    // The picture command's mode for the open medium (0: nothing to adjust).
    int PictureMode() const;
    // At every opening: the stored hardware values when asked for, and the
    // player's own balance when it was left away from its defaults.
    void ApplyStoredPicture();

    QString Text(int index) const override;
    QWidget *VideoPanel() const override;
    QColor KeyColour() const override;
    bool IsMediaActive() const override;
    bool IsDvdMode() const override;

    int AudioStreamCount() const override;
    int DvdCurrentAudioStream() const override;
    QString DvdAudioLanguageName(int stream) const override;
    void SelectDvdAudioStream(int stream) override;
    void ReopenWithAudio(int track) override;
    void Play() override;

    TPictureColours PictureColours() const override;
    QImage Picture(const QString &name) const override;
    void SetPictureValue(PictureBalance::TMode mode, int which, int value) override;
    int PictureValue(PictureBalance::TMode mode, int which) const override;

    TReportInput ReportInput() const override;
    QList<TReportNode> FilterTree() const override;
    int GraphState() const override;
    void SetGraphState(int state) override;
    QList<TElementProperty> ElementProperties(int index) const override;
    bool SetElementProperty(int index, const QString &name, const QVariant &value) override;
    QRect InfoWindowRect() const override;
    void StoreInfoWindowRect(const QRect &rect) override;

private:
    TTavrelApp &m_app;
    TVideoBalance m_balance;
    mutable TMediaInspector m_inspector;
};

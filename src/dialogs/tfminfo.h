#pragma once

#include <QDialog>

class IMediaDialogHost;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The media information window: the report of the open medium and the tree
// of the running graph's elements, from which an element's properties can be
// edited. Both pages copy to the clipboard.
class TfmInfo : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kMinimumSize{386, 262};
    static constexpr QSize kDesignSize{433, 327};

    explicit TfmInfo(IMediaDialogHost &host, QWidget *parent = nullptr);

    // Takes the stored rectangle, sets the captions, builds the report, shows.
    void Open();
    void BuildReport();
    void CopyClick();
    void ConfigureClick();

    QTabWidget *pg1 = nullptr;
    QPlainTextEdit *fInfo = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *s1 = nullptr, *s2 = nullptr, *s3 = nullptr, *s4 = nullptr;
    QCheckBox *cbStop = nullptr;
    QTreeWidget *TreeView1 = nullptr;

protected:
    // The window sees the keys before its controls do (the tree would take I
    // for its search).
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void TreeClick(QTreeWidgetItem *item);
    void SetCaptions();

    IMediaDialogHost &m_host;
    QTreeWidgetItem *m_clicked = nullptr;
};

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One entry of a menu's item tree: caption, check mark, enabled and visible flags and a click
// handler. Changes that alter a drawn menu's layout (caption, visibility, items added or removed)
// are reported to the root as structural; check marks and enabled states are read when painting.
class TMenuItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TMenuItem(const QString &caption = QString(),
                       std::function<void(TMenuItem *)> onClick = {});
    ~TMenuItem() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem *Item(int index) const { return m_items.at(static_cast<size_t>(index)).get(); }
    TMenuItem *Parent() const { return m_parent; }
    // Takes ownership; returns the added item.
    TMenuItem *Add(std::unique_ptr<TMenuItem> item);
    TMenuItem *Add(const QString &caption, std::function<void(TMenuItem *)> onClick = {});
    void Insert(int index, std::unique_ptr<TMenuItem> item);
    void Delete(int index);
    void Clear();

    // Runs the click handler of an enabled item; a disabled item does nothing.
    void Click();

    int Tag = 0;
    std::function<void(TMenuItem *)> OnClick;

signals:
    // Emitted by the root item for any change in its tree.
    void changed(bool structural);

private:
    void notify(bool structural);

    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    TMenuItem *m_parent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> m_items;
};

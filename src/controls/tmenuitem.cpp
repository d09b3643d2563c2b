#include "tmenuitem.h"

TMenuItem::TMenuItem(const QString &caption, std::function<void(TMenuItem *)> onClick)
    : OnClick(std::move(onClick))
    , m_caption(caption)
{}

TMenuItem::~TMenuItem() = default;

void TMenuItem::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    notify(true);
}

void TMenuItem::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    notify(false);
}

void TMenuItem::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    notify(false);
}

void TMenuItem::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notify(true);
}

TMenuItem *TMenuItem::Add(std::unique_ptr<TMenuItem> item)
{
    TMenuItem *added = item.get();
    Insert(Count(), std::move(item));
    return added;
}

TMenuItem *TMenuItem::Add(const QString &caption, std::function<void(TMenuItem *)> onClick)
{
    return Add(std::make_unique<TMenuItem>(caption, std::move(onClick)));
}

void TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item)
{
    item->m_parent = this;
    m_items.insert(m_items.begin() + index, std::move(item));
    notify(true);
}

void TMenuItem::Delete(int index)
{
    m_items.erase(m_items.begin() + index);
    notify(true);
}

void TMenuItem::Clear()
{
    m_items.clear();
    notify(true);
}

void TMenuItem::Click()
{
    if (m_enabled && OnClick)
        OnClick(this);
}

void TMenuItem::notify(bool structural)
{
    TMenuItem *root = this;
    while (root->m_parent)
        root = root->m_parent;
    emit root->changed(structural);
}

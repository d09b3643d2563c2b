#pragma once

#include "builtintexts.h"

#include <QString>
#include <QStringList>

// The table of every user-visible text, fetched by index. The application creates
// one and hands it to whoever shows texts; it starts with the built-in texts.
class TLang
{
public:
    static constexpr int kTextCount = BuiltInTexts::kAllCount;

    TLang();

    // Fills every index from the language file of that name in the folder, keeping the
    // built-in text wherever the file gives none. The built-in language, a missing file
    // or a file that is not a language file leaves all built-in texts.
    void Load(const QString &langFolder, const QString &name);

    // The text of an index; an index outside the table gives a visible error text.
    QString GetLine(int index) const;
    void SetLine(int index, const QString &text);

    // The language last loaded ("Russian" for the built-in texts).
    QString Name() const { return m_name; }

    // Works for every control with a caption: menu items, labels, check boxes, radio buttons.
    template<typename Control>
    void SetCaption(Control *control, int index) const
    {
        if (control)
            control->setText(GetLine(index));
    }

    static QString builtInText(int index);

private:
    QStringList m_lines;
    QString m_name;
};

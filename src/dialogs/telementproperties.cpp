#include "telementproperties.h"

#include "imediadialoghost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QWidget *EditorFor(const TElementProperty &p)
{
    QWidget *editor = nullptr;
    if (!p.choices.isEmpty()) {
        auto *box = new QComboBox;
        box->addItems(p.choices);
        box->setCurrentText(p.value.toString());
        editor = box;
    } else if (p.value.typeId() == QMetaType::Bool) {
        auto *box = new QCheckBox;
        box->setChecked(p.value.toBool());
        editor = box;
    } else if (p.value.typeId() == QMetaType::Double) {
        auto *box = new QDoubleSpinBox;
        box->setDecimals(3);
        box->setRange(-1e12, 1e12);
        box->setValue(p.value.toDouble());
        editor = box;
    } else {
        // Integers keep their full 64-bit range as text.
        editor = new QLineEdit(p.value.toString());
    }
    editor->setEnabled(p.writable);
    editor->setToolTip(p.blurb);
    return editor;
}

QVariant ValueOf(const TElementProperty &p, QWidget *editor)
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        return box->currentText();
    if (auto *box = qobject_cast<QCheckBox *>(editor))
        return box->isChecked();
    if (auto *box = qobject_cast<QDoubleSpinBox *>(editor))
        return box->value();
    const QString text = qobject_cast<QLineEdit *>(editor)->text();
    if (p.value.typeId() == QMetaType::LongLong) {
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        return ok ? QVariant(number) : p.value;
    }
    return text;
}

} // namespace

TElementProperties::TElementProperties(IMediaDialogHost &host, int element, const QString &title,
                                       QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_host(host)
    , m_element(element)
    , m_properties(host.ElementProperties(element))
{
    setWindowTitle(title);
    auto *form = new QWidget;
    auto *rows = new QFormLayout(form);
    for (const TElementProperty &p : m_properties) {
        QWidget *editor = EditorFor(p);
        m_editors.append(editor);
        rows->addRow(p.name, editor);
    }
    auto *scroll = new QScrollArea;
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(420, 360);
}

void TElementProperties::Apply()
{
    for (qsizetype i = 0; i < m_properties.size(); ++i) {
        const TElementProperty &p = m_properties[i];
        if (!p.writable)
            continue;
        const QVariant value = ValueOf(p, m_editors[i]);
        if (value != p.value)
            m_host.SetElementProperty(m_element, p.name, value);
    }
}

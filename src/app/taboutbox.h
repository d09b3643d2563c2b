#pragma once

#include <QString>

class QWidget;
class TLang;

// The small "about" window: name, version and the web address, which opens
// in the browser when clicked. Made for each showing and gone when closed.
namespace TAboutBox {

void Show(const TLang &lang, const QString &version, const QString &webAddress, QWidget *owner);

} // namespace TAboutBox

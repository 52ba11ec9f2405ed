#pragma once
// Captions that stay whole in their template boxes whatever font the desktop supplies.
#include <QString>

class QWidget;

namespace platform {

// Room for the caption inside a label, button, check box, radio button or group box, in
// pixels, as the widget's style lays it out; -1 for a widget without a caption.
int CaptionRoom(const QWidget *widget);

// The caption's width in the widget's font (without mnemonic ampersands).
int CaptionWidth(const QWidget *widget);

// A caption wider than its room is set in a narrow face of the same size, then in smaller
// sizes down to a floor that stays legible; the box keeps its template place and size.
void FitCaption(QWidget *widget);

// The width a dialog needs for the whole title in its caption bar: the title in a bold face,
// plus the bar's icon and buttons.
int TitleWidth(const QString &title);

} // namespace platform

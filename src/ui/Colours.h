#pragma once

#include <QColor>

class QWidget;

namespace colours {

inline const QColor kGreen{0, 255, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kCyan{0, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kFace{224, 224, 224};

// The desktop's colours for edit fields and their text.
QColor systemWindow();
QColor systemText();

// Text colour: a label's caption, or the text of an edit field or combo box.
QColor text(const QWidget* widget);
void setText(QWidget* widget, const QColor& colour);
// Background of an edit field, combo box or list.
QColor background(const QWidget* widget);
void setBackground(QWidget* widget, const QColor& colour);

void setBold(QWidget* widget, bool bold);
void setUnderline(QWidget* widget, bool underline);

} // namespace colours

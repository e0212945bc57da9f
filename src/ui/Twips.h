#pragma once

class QWidget;

// Every control keeps its geometry in twips (15 to a pixel); its pixel geometry is derived on
// each change, so that animations stepping in twips land exactly where they should.
namespace twips {

inline constexpr int kPerPixel = 15;

void place(QWidget* widget, int left, int top, int width, int height);

int left(const QWidget* widget);
int top(const QWidget* widget);
int width(const QWidget* widget);
int height(const QWidget* widget);

void setLeft(QWidget* widget, int value);
void setTop(QWidget* widget, int value);
void setWidth(QWidget* widget, int value);
void setHeight(QWidget* widget, int value);

} // namespace twips

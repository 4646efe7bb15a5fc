#pragma once
// Icons drawn by code at several device pixel ratios, so they stay crisp on
// any screen scale. The painter works in logical pixels of a side × side square.

#include <QIcon>
#include <QPainter>

#include <functional>

QIcon DrawnIcon(int side, const std::function<void(QPainter& painter)>& draw);

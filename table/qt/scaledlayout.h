// The table's parts placed by hand at 100 %, shown at any size: it keeps
// each part's 100 % place, icon size and style sheet, and puts them back
// multiplied by a factor. Parts inside scrolling views are laid out by the
// view itself and are left alone.
#pragma once

#include "table/tablescale.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

class ScaledLayout {
public:
    // Remembers the places of `root` and every part below it.
    void capture(QWidget* root);
    void apply(const brixo::TableScale& scale);

    // Every pixel length in a style sheet multiplied by the factor.
    static QString scaledStyleSheet(const QString& styleSheet, const brixo::TableScale& scale);

private:
    struct Part {
        QPointer<QWidget> widget;
        QRect place;
        QSize iconSize;
    };
    void captureTree(QWidget* widget);

    std::vector<Part> m_parts;
};

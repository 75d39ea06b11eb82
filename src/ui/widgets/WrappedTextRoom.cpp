#include "WrappedTextRoom.h"

#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace aerolap {

void keepWrappedTextWhole(QWidget& window, int columns) {
    QLayout* const layout = window.layout();
    layout->activate();
    const int width = std::max(window.fontMetrics().averageCharWidth() * columns,
                               layout->totalMinimumSize().width());
    // At any greater width the texts need no more lines than here.
    window.setMinimumSize(
        width, std::max(window.heightForWidth(width), layout->totalMinimumSize().height()));
}

} // namespace aerolap

#include "ElementWidgets.h"

#include "ClockEdit.h"
#include "Follow.h"
#include "Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace aerolap {

namespace {

QString text(const std::string& caption) {
    return QString::fromStdString(caption);
}

Qt::CheckState checkState(int value) {
    switch (value) {
    case CheckBox::kChecked:
        return Qt::Checked;
    case CheckBox::kGrayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

} // namespace

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void followWindow(QWidget* widget, Window& window) {
    widget->setWindowTitle(text(window.title()));
    follow(window.titleChanged, widget,
           [widget, &window] { widget->setWindowTitle(text(window.title())); });
    followVisibility(widget, window);
}

QLabel* addLabel(QWidget* container, Label& label, const char* name, const QRect& geometry,
                 const QFont& font, Qt::Alignment alignment) {
    auto* widget = place(new QLabel(text(label.caption()), container), name, geometry);
    widget->setTextFormat(Qt::PlainText);
    widget->setFont(font);
    widget->setAlignment(alignment | Qt::AlignTop);
    widget->setAutoFillBackground(true);
    follow(label.changed, widget, [widget, &label] { widget->setText(text(label.caption())); });
    followVisibility(widget, label);
    return widget;
}

QPushButton* addButton(QWidget* container, CommandButton& button, const char* name,
                       const QRect& geometry, const QFont& font) {
    auto* widget = place(new QPushButton(text(button.caption()), container), name, geometry);
    widget->setFont(font);
    // Enter presses the button that has the focus, as Space does.
    widget->setAutoDefault(true);
    QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.click(); });
    follow(button.captionChanged, widget,
           [widget, &button] { widget->setText(text(button.caption())); });
    followVisibility(widget, button);
    return widget;
}

void addCheckBox(QWidget* container, CheckBox& box, const char* name, const QRect& geometry) {
    auto* widget = place(new QCheckBox(text(box.caption()), container), name, geometry);
    widget->setEnabled(box.enabled());
    const auto show = [widget, &box] { widget->setCheckState(checkState(box.value())); };
    show();
    follow(box.clicked, widget, show);
    QObject::connect(widget, &QCheckBox::clicked, widget, [&box, show] {
        box.setValue(box.ticked() ? CheckBox::kUnchecked : CheckBox::kChecked);
        show();
    });
    followVisibility(widget, box);
}

void addOption(QWidget* container, OptionButton& option, const char* name, const QRect& geometry) {
    auto* widget = place(new QRadioButton(text(option.caption()), container), name, geometry);
    // The group's exclusion is the elements' business; Qt's own would refuse to clear a button.
    widget->setAutoExclusive(false);
    const auto show = [widget, &option] { widget->setChecked(option.selected()); };
    show();
    follow(option.selectionChanged, widget, [show](bool) { show(); });
    // A click on the selected button would untick it in Qt; the element keeps it selected.
    QObject::connect(widget, &QRadioButton::clicked, widget, [&option, show] {
        option.select();
        show();
    });
    followVisibility(widget, option);
}

void addComboBox(QWidget* container, ComboBox& combo, const char* name, const QRect& geometry) {
    auto* widget = place(new QComboBox(container), name, geometry);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : combo.items()) {
        widget->addItem(text(item));
    }
    const auto show = [widget, &combo] {
        const QString shown = text(combo.text());
        if (const int index = widget->findText(shown); index >= 0) {
            widget->setCurrentIndex(index);
        }
        widget->setEditText(shown);
    };
    show();
    follow(combo.textChanged, widget, show);
    QObject::connect(widget, &QComboBox::activated, widget,
                     [&combo](int index) { combo.choose(static_cast<std::size_t>(index)); });
    QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, widget,
                     [&combo](const QString& typed) { combo.setText(typed.toStdString()); });
    followVisibility(widget, combo);
}

void addClock(QWidget* container, Clock& clock, const char* name, const QRect& geometry) {
    followVisibility(place(new ClockEdit(clock, container), name, geometry), clock);
}

void addLine(QWidget* container, const char* name, QPoint from, QPoint to) {
    const QPoint start = from / kTwipsPerPixel;
    const QPoint end = to / kTwipsPerPixel;
    const QRect geometry(start,
                         QSize(std::max(end.x() - start.x(), 1), std::max(end.y() - start.y(), 1)));
    auto* line = place(new QFrame(container), name, geometry);
    setColour(line, QPalette::Window, line->palette().color(QPalette::WindowText));
    line->setAutoFillBackground(true);
}

} // namespace aerolap

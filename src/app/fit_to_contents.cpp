#include "app/fit_to_contents.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace {

constexpr char DesignedGeometry[] = "designedGeometry";

struct Child {
    QWidget* widget;
    QRect designed;
    QSize wanted;
    int shiftX = 0;  // how far it moves from its designed place
    int shiftY = 0;
};

// One direction of the form: where a child starts along it, how long it is, how long it
// wants to be and how far it moves.
struct Axis {
    int (QRect::*start)() const;
    int (QRect::*length)() const;
    int (QSize::*wanted)() const;
    int Child::*shift;
};

constexpr Axis Across{&QRect::x, &QRect::width, &QSize::width, &Child::shiftX};
constexpr Axis Down{&QRect::y, &QRect::height, &QSize::height, &Child::shiftY};

QRect designedGeometry(const QWidget& widget) {
    const QVariant kept = widget.property(DesignedGeometry);
    return kept.isValid() ? kept.toRect() : widget.geometry();
}

QList<QWidget*> childWidgets(const QWidget& form) {
    QList<QWidget*> children = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget* w) { return w->isWindow(); });
    return children;
}

// The size a child's text needs: labels and check boxes as they hint, push buttons and line
// edits without the minimum sizes the style gives them beyond their text.
QSize textNeed(const QWidget& widget) {
    const QStyle& style = *widget.style();
    const int frame = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget) + frame;
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) +
               QSize(margin, margin);
    }
    if (qobject_cast<const QLineEdit*>(&widget) != nullptr) {
        // Wider text scrolls; the line itself must show whole.
        return {0, widget.fontMetrics().height() + frame + 2};
    }
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if ((label != nullptr && !label->text().isEmpty()) ||
        qobject_cast<const QAbstractButton*>(&widget) != nullptr) {
        return widget.sizeHint();
    }
    return {};
}

QSize wantedSize(const QWidget& widget, const QRect& designed) {
    return designed.size().expandedTo(widget.minimumSize()).expandedTo(textNeed(widget));
}

// Whether the two children lie beside each other across the axis.
bool beside(const Child& a, const Child& b, const Axis& cross) {
    const int aStart = (a.designed.*cross.start)();
    const int bStart = (b.designed.*cross.start)();
    return aStart < bStart + (b.designed.*cross.length)() &&
           bStart < aStart + (a.designed.*cross.length)();
}

// Moves each child along the axis by the growth of the children before it: those that end
// where it starts, or before, beside it. Answers how much the form grows along the axis.
int push(std::vector<Child>& children, const Axis& axis, const Axis& cross) {
    const auto start = [&axis](const Child& c) { return (c.designed.*axis.start)(); };
    const auto growth = [&axis](const Child& c) {
        return c.*axis.shift + (c.wanted.*axis.wanted)() - (c.designed.*axis.length)();
    };
    std::ranges::sort(children, {}, start);
    int formGrowth = 0;
    for (Child& c : children) {
        for (const Child& before : children) {
            if (&before == &c) {
                break;
            }
            if (start(before) + (before.designed.*axis.length)() <= start(c) &&
                beside(before, c, cross)) {
                c.*axis.shift = std::max(c.*axis.shift, growth(before));
            }
        }
        formGrowth = std::max(formGrowth, growth(c));
    }
    return formGrowth;
}

}  // namespace

void rememberDesignedGeometry(QWidget& form) {
    form.setProperty(DesignedGeometry, QRect(QPoint(), form.size()));
    for (QWidget* child : childWidgets(form)) {
        child->setProperty(DesignedGeometry, child->geometry());
    }
}

void fitToContents(QWidget& form) {
    const QRect designedForm(QPoint(), designedGeometry(form).size());
    std::vector<Child> children;
    for (QWidget* widget : childWidgets(form)) {
        const QRect designed = designedGeometry(*widget);
        children.push_back({widget, designed, wantedSize(*widget, designed), {}});
    }
    // A column grows as one.
    for (Child& c : children) {
        for (const Child& other : children) {
            if (other.designed.x() == c.designed.x() &&
                other.designed.width() == c.designed.width()) {
                c.wanted.setWidth(std::max(c.wanted.width(), other.wanted.width()));
            }
        }
    }
    const auto fullWidth = [&designedForm](const Child& c) {
        return c.designed.x() == 0 && c.designed.width() == designedForm.width();
    };

    const QSize size =
        designedForm.size() + QSize(push(children, Across, Down), push(children, Down, Across));
    for (const Child& c : children) {
        QSize wanted = c.wanted;
        if (fullWidth(c)) {
            wanted.setWidth(size.width());
        }
        c.widget->setGeometry(QRect(c.designed.topLeft() + QPoint(c.shiftX, c.shiftY), wanted));
    }
    form.setFixedSize(size);
}

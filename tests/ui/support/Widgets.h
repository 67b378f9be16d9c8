#pragma once

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

namespace numora {

// The control of this object name in a window; a missing one ends the test.
template <typename Control>
Control& child(const QWidget& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) throw std::runtime_error("no control " + name.toStdString());
    return *found;
}

// Runs a command that opens a modal window and, once the window is shown and
// has had its turn of events, hands it to `work`; closes it if work left it open.
inline void withModal(const std::function<void()>& command, const std::function<void(QWidget&)>& work = {}) {
    QTimer::singleShot(0, [work] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window is open";
            return;
        }
        QApplication::processEvents();
        if (work) work(*modal);
        if (modal->isVisible()) modal->close();
    });
    command();
}

// The object name of the modal window a command opens, closed again at once.
inline std::string modalOpenedBy(const std::function<void()>& command) {
    std::string name;
    withModal(command, [&name](QWidget& modal) { name = modal.objectName().toStdString(); });
    return name;
}

// Every shown control lies inside the window, but for those named to lie
// wholly outside it, and no label or button caption is cut.
inline void expectEveryControlInside(const QWidget& window, const QStringList& outOfSight = {}) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow()) continue;
        const std::string name = widget->objectName().toStdString() + " " + widget->metaObject()->className();
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (outOfSight.contains(widget->objectName())) {
            EXPECT_FALSE(window.rect().intersects(area)) << name;
        } else {
            EXPECT_TRUE(window.rect().contains(area)) << name;
        }
        if (qobject_cast<const QLabel*>(widget)) {
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << name;
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            // A caption may take more than one line.
            const QStringList lines = button->text().split(QLatin1Char('\n'));
            int widest = 0;
            for (const QString& line : lines) widest = std::max(widest, button->fontMetrics().horizontalAdvance(line));
            EXPECT_GT(button->width(), widest) << name;
            EXPECT_GT(button->height(), button->fontMetrics().height() * lines.size()) << name;
        }
    }
}

}  // namespace numora

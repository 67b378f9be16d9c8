#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include <string>

#include "ui/controls/LotterySelector.h"

namespace numora {

// Chooses an entry in a lottery selector's drop-down list, as a tap does.
inline void chooseEntry(LotterySelector& list, const std::string& name) {
    list.showPopup();
    const QModelIndex entry = list.view()->model()->index(list.findText(QString::fromStdString(name)), 0);
    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, list.view()->visualRect(entry).center());
    QApplication::processEvents();
}

}  // namespace numora

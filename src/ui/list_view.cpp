// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>

#include "ui/codec.h"

namespace brimlet {

QTreeWidget* createListView() {
  auto* view = new QTreeWidget;
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);
  view->setSelectionMode(QAbstractItemView::NoSelection);
  view->setMinimumWidth(280);
  view->header()->setSectionResizeMode(QHeaderView::Stretch);
  return view;
}

void applyListView(QTreeWidget& view, const Control& control) {
  QStringList headers;
  for (const std::string& header : control.items()) headers << toQString(header);
  view.setColumnCount(static_cast<int>(headers.size()));
  view.setHeaderLabels(headers);

  const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  const QBrush tint(QColor(255, 215, 205));
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(control.rows().size()));
  for (const ListRow& row : control.rows()) {
    auto* item = new QTreeWidgetItem;
    for (size_t column = 0; column < row.cells.size(); ++column) {
      item->setText(static_cast<int>(column), toQString(row.cells[column]));
      if (row.marked) item->setBackground(static_cast<int>(column), tint);
    }
    if (row.marked) item->setIcon(0, warning);
    items.append(item);
  }
  view.clear();
  view.addTopLevelItems(items);
}

}  // namespace brimlet

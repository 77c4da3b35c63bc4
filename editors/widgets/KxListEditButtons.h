#pragma once
// The list editors of the Field and Form Editor and the Multiple Choice List Editor share one
// shape: a drag list with the Add, Modify, Insert and Delete buttons in a column at its right.

#include "views/widgets/KxDragListBox.h"
#include "app/AppStrings.h"
#include "editors/EditorStrings.h"
#include "views/widgets/KxQtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

struct KxListEditButtons {
    QPushButton* modify;
    QPushButton* remove;
};

// The slots of a list editor page, in the order of its buttons.
template <class Page> struct KxListEditSlots {
    void (Page::*add)();
    void (Page::*modify)();
    void (Page::*insert)();
    void (Page::*remove)();
    void (Page::*selectionChanged)();
    void (Page::*move)(int, int);
};

// Lays out `page` with `list` and the four buttons and connects them, a double click
// (Modify), a new selection and a drag to the page. Modify and Delete are handed back, for
// the page to enable with the selection.
template <class Page>
KxListEditButtons kxLayOutListEditor(Page* page, KxDragListBox* list,
                                     const KxListEditSlots<Page>& on) {
    auto* add = new QPushButton(kxQtString(kxStrListAdd), page);
    auto* modify = new QPushButton(kxQtString(kxStrListModify), page);
    auto* insert = new QPushButton(kxQtString(kxStrListInsert), page);
    auto* remove = new QPushButton(kxQtString(kxStrDeleteButton), page);
    for (QPushButton* b : {add, modify, insert, remove})
        b->setAutoDefault(false);
    QObject::connect(add, &QPushButton::clicked, page, on.add);
    QObject::connect(modify, &QPushButton::clicked, page, on.modify);
    QObject::connect(insert, &QPushButton::clicked, page, on.insert);
    QObject::connect(remove, &QPushButton::clicked, page, on.remove);
    QObject::connect(list, &QListWidget::itemDoubleClicked, page, on.modify);
    QObject::connect(list, &QListWidget::currentRowChanged, page, on.selectionChanged);
    QObject::connect(list, &KxDragListBox::itemMoveRequested, page, on.move);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, modify, insert, remove})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    return {modify, remove};
}

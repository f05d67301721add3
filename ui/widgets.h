// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "value_list.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QStringListModel;

namespace quimbra {

// Draws what painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter |
// Qt::TextSingleLine, text) draws, pixel for pixel, but keeps each line's
// shaping for the next paint: a list repainted at every step of a run, or
// four columns that show the same numbers, shape each line once.
void drawListRow(QPainter *painter, const QRect &rect, const QString &text);

// A list box: one column of text lines in the order added, one selectable
// line, a vertical scroll bar when needed and none horizontal (a long line is
// cut at the right edge).
//
// Its lines can be copied as text: Ctrl+C copies the selected line, or the
// whole list when no line is selected or after Ctrl+A (which selects them
// all). The right-button menu offers the list's own actions (actions()), then
// "Copia" and "Copia tutto".
class ListBox final : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    void Clear();
    void AddItem(const QString &line);
    // Empties the list and appends these lines, in one model reset.
    void setLines(const std::vector<std::string> &lines);
    // Shows these lines by changing only the rows that differ, adding or
    // removing rows at the end: no model reset, and the selection, the
    // current row and the scroll position stay. A rewritten row is repainted
    // without a new layout of the list. For lists that change a little at
    // every step of a run.
    void updateLines(const std::vector<std::string> &lines);
    // Paints the current lines at once, before control returns to the event loop.
    void repaintNow();
    QStringList lines() const;
    int count() const;

    // The selected lines in list order, or all of them when none is selected.
    QStringList linesToCopy() const;
    // Puts these lines on the clipboard, one per line of text.
    static void copyLines(const QStringList &lines);
    // The right-button menu; the caller owns it.
    QMenu *createContextMenu();
    // Shows a command that is not the list's own (one of its window's) in
    // the right-button menu too, after the list's own actions.
    void addMenuEntry(QAction *action);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    QStringListModel *model_;
    QList<QPointer<QAction>> menuEntries_;
};

// A command button. Enter presses it like Space when it has the focus, and a
// caption wider than the button wraps onto a second line instead of being cut.
class Button final : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A frame that groups controls: a QGroupBox that keeps its drawing. The
// style draws a group box's border by stretching an image over the whole
// frame, and every repaint of a control inside (a scroll bar, a label)
// repaints the frame beneath it; the frame draws the style's picture once
// per look (size, caption, state, palette, font, screen scale) and after
// that copies it. It keeps two looks: a window's frame changes look each
// time the window gains or loses the focus.
class GroupFrame final : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Picture
    {
        QString key;
        QImage image;
    };
    Picture pictures_[2]; // the last one drawn first
};

// A custom-painted area. Its owner gives the painting, which draws relative
// to the area it is handed (the canvas inside its border) and takes its fonts
// from fontFor, so that it follows any scaling of the window. The canvas takes
// the keyboard focus, shown by a focus frame, but uses no key itself: keys go
// on to its window.
class Canvas final : public QWidget
{
    Q_OBJECT
public:
    using Paint = std::function<void(QPainter &painter, const QRect &area)>;

    explicit Canvas(QWidget *parent = nullptr);
    void setPaint(Paint paint);
    // The area handed to the painting: the canvas inside its border.
    QRect area() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Paint paint_;
};

// Lets the user select a label's text with the mouse and copy it, with the
// right-button entry "Copia" (the selection, or the whole text when nothing
// is selected). The label still takes no focus.
void makeCopyable(QLabel *label);

// Enter (or the keypad's) in the text box does `action` and nothing else: the
// key goes no further, so that the window does not take it too.
void onEnter(QLineEdit *box, std::function<void()> action);

// Puts the text into the box as if pasted, so that keepListsShort reads a text
// too long for a list at once; false when the box refused it (with its sentence).
bool pasteInto(QLineEdit *box, const QString &text);

// Keeps a huge paste out of a box of values: a text longer than any list of
// `rules` written plainly is read at once instead of shown; a good one is put
// in the box written plainly ("7, 3, 9"), a bad one is kept out, the box
// unchanged, and `refused` gets the sentence that says why.
void keepListsShort(QLineEdit *box, const ValueRules &rules, std::function<void(const QString &)> refused);

// A font of the desktop's (menus) enlarged by the program's zoom.
QFont zoomedFont(QFont font);

// Shows a modal message box titled "Quimbra" with one OK button over parent's
// window and returns once it is answered. Its text, button and icon are as
// large as the zoomed windows; at 100 % it is the toolkit's own box.
void showMessage(QMessageBox::Icon icon, const QString &text, QWidget *parent);

// Writes a file whole or not at all (QSaveFile): the file appears under its
// name only once `write` has written it and it is complete. On failure the
// reason, in Italian (`unwritten` when `write` fails), and false.
bool saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write, const QString &unwritten,
               QString *error);

} // namespace quimbra

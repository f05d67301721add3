// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>
#include <QPushButton>

#include <string>
#include <vector>

class QStringListModel;

namespace quimbra {

// A list box: one column of text lines in the order added, one selectable
// line, a vertical scroll bar when needed and none horizontal (a long line is
// cut at the right edge).
class ListBox final : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    void Clear();
    void AddItem(const QString &line);
    // Empties the list and appends these lines, in one model reset.
    void setLines(const std::vector<std::string> &lines);
    // Paints the current lines at once, before control returns to the event loop.
    void repaintNow();
    QStringList lines() const;
    int count() const;

private:
    QStringListModel *model_;
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

} // namespace quimbra

// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "activation.h"
#include "layout.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;

namespace quimbra {

class ListBox;
class Form;

// The on-screen window of a Form. Closing it (close box or program) unloads
// the Form and destroys the window with its controls.
class FormWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(Form &form);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form &form_;
};

// A window of the program in two layers: the Form object keeps its fields for
// the whole run, while its on-screen window exists only while it is loaded.
// Subclasses give the load and activation steps and wire their controls.
class Form : public QObject
{
    Q_OBJECT
public:
    explicit Form(const FormLayout &layout, QObject *parent = nullptr);
    ~Form() override;

    // Shows the window without blocking: loads it first if needed, brings it
    // to the front and makes it the active window, which runs its activation
    // step once, whether or not the window manager grants it the focus.
    void Show();
    // Destroys the on-screen window and its controls; the fields stay.
    void Unload();

    bool isLoaded() const { return window_ != nullptr; }

    // What F1 does in every window of the program: opens the help at the
    // page of that window, named by the window's objectName. The program
    // sets it once; without it F1 does nothing.
    using Help = void (*)(const QString &page);
    static void setHelp(Help help);
    // What Ctrl+R does in every window: opens the class register.
    using Opener = void (*)();
    static void setRegister(Opener open);
    static void openRegister();
    QWidget *window() const { return window_; }

    // The controls of the loaded window, by name and control-array index, for
    // whatever drives a window from outside (the tests, the page's test
    // hooks); the window itself holds its controls as typed members.
    QPushButton *button(const char *name, int index = -1) const;
    ListBox *list(const char *name, int index = -1) const;
    QLineEdit *textBox(const char *name, int index = -1) const;
    QLabel *label(const char *name, int index = -1) const;
    // Any control of the loaded window, as the type asked for; null when it
    // is not there or of another type.
    template <class T>
    T *find(const char *name, int index = -1) const
    {
        return qobject_cast<T *>(control(name, index));
    }

protected:
    // The control of the loaded window with this name (and control-array
    // index), as the type asked for. A window resolves each of its controls
    // with it once, when it loads, into a typed member; a control that its
    // table lacks, or one of another type, stops the program there with a
    // message that names it, in every build.
    template <class T>
    T *need(const char *name, int index = -1) const
    {
        T *found = qobject_cast<T *>(control(name, index));
        if (!found)
            missingControl(name, index, T::staticMetaObject.className());
        return found;
    }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Connects the freshly built controls to the handlers.
    virtual void connectControls() {}
    // Runs once the on-screen window has closed, its controls already gone.
    virtual void unloaded() {}

private:
    friend class FormWindow;
    friend class ActivationTracker;

    void load();
    void addHelpKey();
    void windowClosing();
    QWidget *control(const char *name, int index) const;
    [[noreturn]] void missingControl(const char *name, int index, const char *type) const;

    const FormLayout &layout_;
    QPointer<FormWindow> window_;
};

// Feeds the toolkit's focus-window changes and the program's own showings to
// the ActivationRule, and runs the activation step of the Form concerned.
class ActivationTracker final : public QObject
{
    Q_OBJECT
public:
    static ActivationTracker &instance();

    void add(Form *form);
    void remove(Form *form);
    void shown(Form *form);
    void closed(Form *form);

private:
    ActivationTracker();
    void focusWindowChanged(QWindow *window);

    ActivationRule rule_;
    QList<Form *> forms_;
};

// A window's place among the open windows of its kind (the step views, the
// growth charts): each one opens 32 pixels further down and to the right
// than the one before, in a cycle of six, so that one does not hide another
// exactly, and never off the screen. Every window of the program opens
// centred; the count is shared by the kind, through `open`.
class Cascade
{
public:
    explicit Cascade(int &open) : open_(open) {}
    ~Cascade() { leave(); }
    Cascade(const Cascade &) = delete;
    Cascade &operator=(const Cascade &) = delete;

    // Moves the window to its place and counts it among the open ones.
    void take(QWidget *window);
    // Counts it no more (its window is closing).
    void leave();

private:
    int &open_;
    bool counted_ = false;
};

} // namespace quimbra

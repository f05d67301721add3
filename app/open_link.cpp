// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_link.h"

#include "value_list.h"

#include "frmABR.h"
#include "frmPassoABR.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "page_link.h"
#include "sort_catalog.h"
#include "widgets.h"

#include <QLineEdit>
#include <QStringList>

namespace quimbra {

namespace {

// A link's text as a sentence quotes it: short, and on one line.
QString quoted(const QString &text)
{
    return QString::fromStdString(quimbra::quoted(text.simplified().toStdString()));
}

} // namespace

LinkRequest readLinkRequest(const QString &query)
{
    using namespace pagelink;
    const std::map<QString, QString> parameters = readQuery(query);
    LinkRequest request;
    const auto given = [&](const char *name) -> std::optional<QString> {
        const auto found = parameters.find(QLatin1String(name));
        return found == parameters.end() ? std::nullopt : std::optional<QString>(found->second);
    };
    const std::optional<QString> view = given(View);
    if (!view)
        return request;
    if (view->compare(QLatin1String(SortView), Qt::CaseInsensitive) == 0) {
        request.view = LinkRequest::Sort;
    } else if (view->compare(QLatin1String(SearchView), Qt::CaseInsensitive) == 0) {
        request.view = LinkRequest::Search;
    } else if (view->compare(QLatin1String(TreeView), Qt::CaseInsensitive) == 0) {
        request.view = LinkRequest::Tree;
    } else {
        request.error = QStringLiteral("Il collegamento chiede il passo passo %1, che non c'\u00e8: "
                                       "passo=%2 per gli ordinamenti, passo=%3 per la ricerca binaria, "
                                       "passo=%4 per l'albero")
                            .arg(quoted(*view), QLatin1String(SortView), QLatin1String(SearchView),
                                 QLatin1String(TreeView));
        return request;
    }
    request.exercise = given(Exercise);
    if (request.view == LinkRequest::Tree) {
        if (const std::optional<QString> kind = given(ExerciseKind)) {
            const QStringList kinds = frmPassoABR::exerciseKinds();
            request.exerciseKind = -1;
            for (int k = 0; k < kinds.size(); ++k)
                if (kind->trimmed().compare(kinds[k], Qt::CaseInsensitive) == 0)
                    request.exerciseKind = k;
            if (request.exerciseKind < 0) {
                request = {};
                request.error = QStringLiteral("Il collegamento chiede l'esercizio %1, che non c'\u00e8: "
                                               "gli esercizi sull'albero sono %2")
                                    .arg(quoted(*kind), kinds.join(QStringLiteral(", ")));
            }
        }
        return request;
    }
    request.values = given(Values);
    if (request.view == LinkRequest::Search) {
        request.key = given(Key);
        return request;
    }
    if (const std::optional<QString> algorithm = given(Algorithm)) {
        QStringList names;
        request.algorithm = -1;
        for (int k = 0; k < SortAlgorithms; ++k) {
            names << QString::fromUtf8(sortTitle(k));
            if (algorithm->trimmed().compare(names.back(), Qt::CaseInsensitive) == 0)
                request.algorithm = k;
        }
        if (request.algorithm < 0) {
            request = {};
            request.error = QStringLiteral("Il collegamento chiede l'algoritmo %1, che non c'\u00e8: "
                                           "gli algoritmi sono %2")
                                .arg(quoted(*algorithm), names.join(QStringLiteral(", ")));
        }
    }
    return request;
}

void openFromLink(frm_Quimbra &menu, const QString &query)
{
    const LinkRequest request = readLinkRequest(query);
    if (!request.error.isEmpty()) {
        showMessage(QMessageBox::Warning, request.error, menu.window());
        return;
    }
    StepView *view = nullptr;
    if (request.view == LinkRequest::Sort) {
        menu.cmdSort_Click();
        frmPassoSort *sorts = menu.sortSlot()->PassoPasso(request.algorithm);
        if (request.values)
            sorts->useValues(*request.values);
        view = sorts;
    } else if (request.view == LinkRequest::Search) {
        menu.cmdRicBin_Click();
        frmPassoRicBin *search = menu.ricBinSlot()->PassoPasso();
        if (request.key)
            search->textBox("txtX")->setText(*request.key);
        if (request.values)
            search->useValues(*request.values);
        view = search;
    } else if (request.view == LinkRequest::Tree) {
        menu.cmdABR_Click();
        frmPassoABR *tree = menu.abrSlot()->PassoPasso();
        tree->chooseExercise(request.exerciseKind);
        view = tree;
    }
    // The exercise of the link's code, on its own data, as if the student had
    // typed the code.
    if (view && request.exercise)
        view->exercisePanel().enterCode(*request.exercise);
}

} // namespace quimbra

#include "abr.h"

#include "sorts.h"
#include "text.h"

#include <span>

namespace quimbra::abr {

void DrawKeys(Vettore &Vet, RandomSource &rnd)
{
    for (int i = 1; i <= N; ++i)
        Vet[i] = static_cast<Integer>(scaledDraw(rnd.next(), 1000));
    // The exchange sort never swaps equal keys; nobody reads its move count here.
    Long ignoredCounter = 0;
    ExchangeSort(std::span<Integer>(Vet), N, ignoredCounter);
}

std::vector<std::string> VectorLines(const Vettore &Vet)
{
    std::vector<std::string> lines;
    lines.reserve(N + 2);
    lines.emplace_back(" Vettore");
    lines.emplace_back(10, '-');
    for (int i = 1; i <= N; ++i)
        lines.push_back(rightAligned(i, 2) + " - " + rightAligned(Vet[i], 3));
    return lines;
}

void CostruisciABR(const Vettore &Vet, Tabella &ABR, int low, int high, int k, int parent,
                   int level)
{
    // Only ranges inside the vector and nodes inside the table are filled, so a
    // call with other bounds can never write past either array.
    if (!isNode(k) || low < 1 || high > N || low > high) return;
    const int m = (low + high) / 2;
    NodoABR &node = ABR[k];
    node.Inf = Vet[m];
    node.Pd = static_cast<Integer>(parent);
    if (low < high) {
        node.Sx = static_cast<Integer>(2 * k);
        node.Dx = static_cast<Integer>(2 * k + 1);
    } else {
        node.Sx = 0;
        node.Dx = 0;
    }
    node.Liv = static_cast<Integer>(level);
    if (low < high) {
        CostruisciABR(Vet, ABR, low, m - 1, 2 * k, k, level + 1);
        CostruisciABR(Vet, ABR, m + 1, high, 2 * k + 1, k, level + 1);
    }
}

std::vector<std::string> NodeTableLines(const Tabella &ABR)
{
    std::vector<std::string> lines;
    lines.reserve(N + 2);
    lines.emplace_back(" n   Inf   Sx   Dx   Pd   l");
    lines.emplace_back(28, '-');
    for (int k = 1; k <= N; ++k) {
        const NodoABR &node = ABR[k];
        lines.push_back(rightAligned(k, 2) + " - " + rightAligned(node.Inf, 3) + " - " +
                        rightAligned(node.Sx, 2) + " - " + rightAligned(node.Dx, 2) + " - " +
                        rightAligned(node.Pd, 2) + " - " + plain(node.Liv));
    }
    return lines;
}

void DisegnaABR(const Tabella &ABR, int k, std::vector<std::string> &lstABR)
{
    if (!isNode(k)) return;
    const NodoABR &node = ABR[k];
    // Right subtree above, left below: the tree turned a quarter turn.
    DisegnaABR(ABR, node.Dx, lstABR);
    lstABR.push_back(std::string(static_cast<std::size_t>(6 * node.Liv), ' ') +
                     rightAligned(node.Inf, 6));
    DisegnaABR(ABR, node.Sx, lstABR);
}

std::vector<std::string> DrawingLines(const Tabella &ABR)
{
    std::vector<std::string> lines;
    lines.reserve(N + 1);
    lines.emplace_back(" ");
    DisegnaABR(ABR, 1, lines);
    return lines;
}

void RicercaABR(const Tabella &ABR, Integer x, int k, Integer &pos,
                std::vector<std::string> &lstRic)
{
    NoSteps none;
    RicercaABR(ABR, x, k, pos, lstRic, none);
}

std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed)
{
    NoSteps none;
    return SearchLines(ABR, typed, none);
}

void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaAnticipata(ABR, k, lstV, none);
}

void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaSimmetrica(ABR, k, lstV, none);
}

void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaPosticipata(ABR, k, lstV, none);
}

std::vector<std::string> VisitLines(const Tabella &ABR, int index)
{
    NoSteps none;
    return VisitLines(ABR, index, none);
}

namespace detail {

void addVerdict(std::vector<std::string> &lstRic, Integer pos)
{
    lstRic.emplace_back("*******");
    lstRic.emplace_back(pos == 0 ? "NON c'\u00e8" : "TROVATO");
    lstRic.emplace_back("*******");
}

const char *visitTitle(int index)
{
    switch (index) {
    case 0:
        return " ANT";
    case 1:
        return "SIMM";
    case 2:
        return "POST";
    default:
        return nullptr;
    }
}

} // namespace detail

namespace {

// In-order walk from k at the given row: the left subtree takes the columns
// before the node, the right subtree those after it. The depth guard keeps a
// table whose links loop from walking forever.
void place(const Tabella &ABR, int k, int row, int &nextColumn, Places &places)
{
    if (!isNode(k) || places[k].row >= 0 || row > N)
        return;
    places[k].row = row; // marks k as reached before its subtrees are walked
    place(ABR, ABR[k].Sx, row + 1, nextColumn, places);
    places[k].column = nextColumn++;
    place(ABR, ABR[k].Dx, row + 1, nextColumn, places);
}

} // namespace

Places PlaceNodes(const Tabella &ABR)
{
    Places places{};
    int nextColumn = 0;
    place(ABR, 1, 0, nextColumn, places);
    return places;
}

} // namespace quimbra::abr

// Multifrontal Cholesky. The unknowns are renumbered in a postorder of the elimination tree
// (the fill stays the same), columns with the same structure below them are taken together as
// supernodes, and each supernode is factorised as a dense front: the entries of its columns
// and the updates its children leave, then a dense LL^T of its diagonal block, a triangular
// solution for the block below and a symmetric rank update of what it leaves to its parent.
// The dense kernels do the bulk of the work at several times the speed of a column-by-column
// factorisation.
#include "fem/cholesky.h"

#include <Eigen/Cholesky>
#include <Eigen/Dense>

#include <algorithm>
#include <numeric>

namespace vak1 {

namespace {

using Matrix = Eigen::MatrixXd;
using RowMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

double Trapezoid(double columns, double rows) {
    return columns * rows - columns * (columns - 1) / 2;
}

// Whether a child and its parent become one supernode, at the cost of explicit zeros: small
// fronts cost more in bookkeeping than in arithmetic.
bool Amalgamate(int columns, double zeros, double entries) {
    if (columns <= 4) return true;
    const double fraction = zeros / entries;
    if (columns <= 16) return fraction < 0.8;
    if (columns <= 48) return fraction < 0.1;
    return fraction < 0.05;
}

} // namespace

bool SupernodalCholesky::Factorise(const Eigen::SparseMatrix<double>& lowerIn) {
    Eigen::SparseMatrix<double> compressed;
    const Eigen::SparseMatrix<double>* lower = &lowerIn;
    if (!lowerIn.isCompressed()) {
        compressed = lowerIn;
        compressed.makeCompressed();
        lower = &compressed;
    }
    const int n = static_cast<int>(lower->rows());
    const int* Ap = lower->outerIndexPtr();
    const int* Ai = lower->innerIndexPtr();
    const double* Ax = lower->valuePtr();

    // The entries left of the diagonal by rows.
    std::vector<int> rowStart(n + 1, 0);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p)
            if (Ai[p] > j) ++rowStart[Ai[p] + 1];
    std::partial_sum(rowStart.begin(), rowStart.end(), rowStart.begin());
    std::vector<int> rowColumns(rowStart[n]), next(rowStart.begin(), rowStart.end() - 1);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p)
            if (Ai[p] > j) rowColumns[next[Ai[p]]++] = j;

    // The elimination tree (Liu's algorithm with path compression).
    std::vector<int> parent(n, -1), ancestor(n, -1);
    for (int k = 0; k < n; ++k)
        for (int p = rowStart[k]; p < rowStart[k + 1]; ++p)
            for (int i = rowColumns[p]; i != -1 && i < k;) {
                const int up = ancestor[i];
                ancestor[i] = k;
                if (up == -1) parent[i] = k;
                i = up;
            }

    // Postorder: every subtree takes consecutive places, children before their parent.
    std::vector<int> head(n, -1), sibling(n, -1), order;
    order.reserve(n);
    for (int j = n - 1; j >= 0; --j)
        if (parent[j] >= 0) {
            sibling[j] = head[parent[j]];
            head[parent[j]] = j;
        }
    std::vector<int> stack;
    for (int root = 0; root < n; ++root) {
        if (parent[root] >= 0) continue;
        stack.push_back(root);
        while (!stack.empty()) {
            const int j = stack.back();
            if (head[j] >= 0) {
                const int child = head[j];
                head[j] = sibling[child];
                stack.push_back(child);
            } else {
                stack.pop_back();
                order.push_back(j);
            }
        }
    }
    place_.assign(n, 0);
    for (int k = 0; k < n; ++k)
        place_[order[k]] = k;
    std::vector<int> up(n, -1);
    for (int j = 0; j < n; ++j)
        if (parent[j] >= 0) up[place_[j]] = place_[parent[j]];

    // The matrix renumbered: by columns (rows at or below the diagonal) and, left of the
    // diagonal, by rows.
    std::vector<int> colStart(n + 1, 0);
    std::fill(rowStart.begin(), rowStart.end(), 0);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p) {
            const int a = place_[Ai[p]], b = place_[j];
            ++colStart[std::min(a, b) + 1];
            if (a != b) ++rowStart[std::max(a, b) + 1];
        }
    std::partial_sum(colStart.begin(), colStart.end(), colStart.begin());
    std::partial_sum(rowStart.begin(), rowStart.end(), rowStart.begin());
    std::vector<int> colRows(colStart[n]);
    std::vector<double> colValues(colStart[n]);
    std::vector<int> colNext(colStart.begin(), colStart.end() - 1);
    next.assign(rowStart.begin(), rowStart.end() - 1);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p) {
            const int a = place_[Ai[p]], b = place_[j];
            const int column = std::min(a, b), row = std::max(a, b);
            colRows[colNext[column]] = row;
            colValues[colNext[column]++] = Ax[p];
            if (a != b) rowColumns[next[row]++] = column;
        }

    // Entries per column of the factor, from the subtree of each row.
    std::vector<int> count(n, 1), mark(n, -1);
    for (int k = 0; k < n; ++k) {
        mark[k] = k;
        for (int p = rowStart[k]; p < rowStart[k + 1]; ++p)
            for (int j = rowColumns[p]; mark[j] != k; j = up[j]) {
                ++count[j];
                mark[j] = k;
            }
    }
    std::vector<int> children(n, 0);
    for (int j = 0; j < n; ++j)
        if (up[j] >= 0) ++children[up[j]];

    // Supernodes: a column joins the one before when it is its only child and has the same
    // structure below; then children join their parent while few zeros come in.
    struct Candidate {
        int first, columns, rows;
        double zeros;
    };
    std::vector<Candidate> merged;
    for (int j = 0; j < n;) {
        Candidate p{j, 1, count[j], 0};
        while (j + p.columns < n) {
            const int c = j + p.columns;
            if (up[c - 1] != c || count[c - 1] != count[c] + 1 || children[c] != 1) break;
            ++p.columns;
        }
        j += p.columns;
        while (!merged.empty()) {
            const Candidate& c = merged.back();
            const int parentColumn = up[c.first + c.columns - 1];
            if (c.first + c.columns != p.first || parentColumn < p.first ||
                parentColumn >= p.first + p.columns)
                break;
            const int columns = c.columns + p.columns, rows = c.columns + p.rows;
            const double entries = Trapezoid(columns, rows);
            const double zeros = entries - (Trapezoid(c.columns, c.rows) - c.zeros) -
                                 (Trapezoid(p.columns, p.rows) - p.zeros);
            if (!Amalgamate(columns, zeros, entries)) break;
            p = {c.first, columns, rows, zeros};
            merged.pop_back();
        }
        merged.push_back(p);
    }

    // The rows below each supernode: those of its columns' entries and of its children's.
    const int supernodes = static_cast<int>(merged.size());
    std::vector<int> nodeOf(n);
    nodes_.assign(supernodes, {});
    for (int s = 0; s < supernodes; ++s) {
        nodes_[s].first = merged[s].first;
        nodes_[s].columns = merged[s].columns;
        for (int j = merged[s].first; j < merged[s].first + merged[s].columns; ++j)
            nodeOf[j] = s;
    }
    std::vector<int> firstChild(supernodes, -1), nextChild(supernodes, -1);
    for (int s = supernodes - 1; s >= 0; --s) {
        const int last = nodes_[s].first + nodes_[s].columns - 1;
        if (up[last] < 0) continue;
        nodes_[s].parent = nodeOf[up[last]];
        nextChild[s] = firstChild[nodes_[s].parent];
        firstChild[nodes_[s].parent] = s;
    }
    below_.clear();
    std::fill(mark.begin(), mark.end(), -1);
    std::size_t values = 0;
    for (int s = 0; s < supernodes; ++s) {
        Supernode& node = nodes_[s];
        const int last = node.first + node.columns - 1;
        node.rowIndex = below_.size();
        for (int j = node.first; j <= last; ++j)
            for (int p = colStart[j]; p < colStart[j + 1]; ++p)
                if (colRows[p] > last && mark[colRows[p]] != s) {
                    mark[colRows[p]] = s;
                    below_.push_back(colRows[p]);
                }
        for (int c = firstChild[s]; c >= 0; c = nextChild[c]) {
            const Supernode& child = nodes_[c];
            const int childBelow = child.rows - child.columns;
            for (int t = 0; t < childBelow; ++t) {
                const int i = below_[child.rowIndex + t];
                if (i > last && mark[i] != s) {
                    mark[i] = s;
                    below_.push_back(i);
                }
            }
        }
        std::sort(below_.begin() + static_cast<std::ptrdiff_t>(node.rowIndex), below_.end());
        node.rows = node.columns + static_cast<int>(below_.size() - node.rowIndex);
        node.values = values;
        values += static_cast<std::size_t>(node.rows) * static_cast<std::size_t>(node.columns);
    }

    // The fronts in postorder: the updates of a supernode's children lie on top of the stack.
    values_.assign(values, 0.0);
    std::vector<int> local(n);
    std::vector<double> updates, work;
    std::vector<std::size_t> updateStart;
    for (int s = 0; s < supernodes; ++s) {
        const Supernode& node = nodes_[s];
        const int k = node.columns, m = node.rows, u = m - k;
        const int* rows = below_.data() + node.rowIndex;
        for (int t = 0; t < k; ++t)
            local[node.first + t] = t;
        for (int t = 0; t < u; ++t)
            local[rows[t]] = k + t;
        Eigen::Map<Matrix> L(values_.data() + node.values, m, k);
        for (int j = node.first; j < node.first + k; ++j)
            for (int p = colStart[j]; p < colStart[j + 1]; ++p)
                L(local[colRows[p]], j - node.first) += colValues[p];
        work.assign(static_cast<std::size_t>(u) * static_cast<std::size_t>(u), 0.0);
        Eigen::Map<Matrix> U(work.data(), u, u);
        int taken = 0;
        for (int c = firstChild[s]; c >= 0; c = nextChild[c])
            ++taken;
        for (int c = firstChild[s]; c >= 0; c = nextChild[c]) {
            const Supernode& child = nodes_[c];
            const int cu = child.rows - child.columns;
            const int* crows = below_.data() + child.rowIndex;
            // The children's updates lie on the stack in the order of the children.
            const std::size_t at = updateStart[updateStart.size() - taken];
            --taken;
            const double* update = updates.data() + at;
            for (int b = 0; b < cu; ++b) {
                const int rb = local[crows[b]];
                const double* column = update + static_cast<std::size_t>(b) * cu;
                if (rb < k) {
                    for (int a = b; a < cu; ++a)
                        L(local[crows[a]], rb) += column[a];
                } else {
                    for (int a = b; a < cu; ++a)
                        U(local[crows[a]] - k, rb - k) += column[a];
                }
            }
        }
        for (int c = firstChild[s]; c >= 0; c = nextChild[c]) {
            updates.resize(updateStart.back());
            updateStart.pop_back();
        }
        auto L11 = L.topRows(k);
        Eigen::LLT<Eigen::Ref<Matrix>> llt(L11);
        if (llt.info() != Eigen::Success) return false;
        if (u == 0) continue;
        auto L21 = L.bottomRows(u);
        L11.triangularView<Eigen::Lower>().transpose().solveInPlace<Eigen::OnTheRight>(L21);
        U.selfadjointView<Eigen::Lower>().rankUpdate(L21, -1.0);
        updateStart.push_back(updates.size());
        updates.insert(updates.end(), work.begin(), work.end());
    }
    return true;
}

void SupernodalCholesky::Solve(Eigen::MatrixXd& B) const {
    const int n = static_cast<int>(place_.size());
    RowMatrix X(n, B.cols()), gathered;
    for (int i = 0; i < n; ++i)
        X.row(place_[i]) = B.row(i);
    for (const Supernode& node : nodes_) {
        const int k = node.columns, u = node.rows - k;
        const Eigen::Map<const Matrix> L(values_.data() + node.values, node.rows, k);
        auto x = X.middleRows(node.first, k);
        L.topRows(k).triangularView<Eigen::Lower>().solveInPlace(x);
        if (u == 0) continue;
        gathered.noalias() = L.bottomRows(u) * x;
        for (int t = 0; t < u; ++t)
            X.row(below_[node.rowIndex + t]) -= gathered.row(t);
    }
    for (auto node = nodes_.rbegin(); node != nodes_.rend(); ++node) {
        const int k = node->columns, u = node->rows - k;
        const Eigen::Map<const Matrix> L(values_.data() + node->values, node->rows, k);
        auto x = X.middleRows(node->first, k);
        if (u > 0) {
            gathered.resize(u, X.cols());
            for (int t = 0; t < u; ++t)
                gathered.row(t) = X.row(below_[node->rowIndex + t]);
            x.noalias() -= L.bottomRows(u).transpose() * gathered;
        }
        L.topRows(k).triangularView<Eigen::Lower>().transpose().solveInPlace(x);
    }
    for (int i = 0; i < n; ++i)
        B.row(i) = X.row(place_[i]);
}

std::size_t SupernodalCholesky::FactorEntries() const {
    std::size_t entries = 0;
    for (const Supernode& node : nodes_)
        entries += static_cast<std::size_t>(Trapezoid(node.columns, node.rows));
    return entries;
}

} // namespace vak1

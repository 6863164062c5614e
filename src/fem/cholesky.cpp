// Multifrontal Cholesky. The unknowns are renumbered in a postorder of the elimination tree
// (the fill stays the same), columns with the same structure below them are taken together as
// supernodes, and each supernode is factorised as a dense front: the entries of its columns
// and the updates its children leave, then a dense LL^T of its diagonal block, a triangular
// solution for the block below and a symmetric rank update of what it leaves to its parent.
// The dense kernels do the bulk of the work at several times the speed of a column-by-column
// factorisation, and two threads take disjoint subtrees of the elimination tree.
#include "fem/cholesky.h"

#include <Eigen/Cholesky>
#include <Eigen/Dense>

#include <algorithm>
#include <future>
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

void SupernodalCholesky::Analyse(const std::vector<int>& Ap, const std::vector<int>& Ai,
                                 const std::vector<int>& place) {
    const int n = static_cast<int>(Ap.size()) - 1;

    // The entries left of the diagonal by rows, numbered by place.
    std::vector<int> rowStart(n + 1, 0);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p)
            if (Ai[p] != j) ++rowStart[std::max(place[Ai[p]], place[j]) + 1];
    std::partial_sum(rowStart.begin(), rowStart.end(), rowStart.begin());
    std::vector<int> rowColumns(rowStart[n]), next(rowStart.begin(), rowStart.end() - 1);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p)
            if (Ai[p] != j) {
                const int a = place[Ai[p]], b = place[j];
                rowColumns[next[std::max(a, b)]++] = std::min(a, b);
            }

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

    // Entries per column of the factor, from the subtree of each row.
    std::vector<int> count(n, 1), mark(n, -1);
    for (int k = 0; k < n; ++k) {
        mark[k] = k;
        for (int p = rowStart[k]; p < rowStart[k + 1]; ++p)
            for (int j = rowColumns[p]; mark[j] != k; j = parent[j]) {
                ++count[j];
                mark[j] = k;
            }
    }
    rowColumns = {};

    // Postorder: every subtree takes consecutive places, children before their parent.
    std::vector<int> head(n, -1), sibling(n, -1), post(n);
    for (int j = n - 1; j >= 0; --j)
        if (parent[j] >= 0) {
            sibling[j] = head[parent[j]];
            head[parent[j]] = j;
        }
    std::vector<int> stack;
    int placed = 0;
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
                post[j] = placed++;
            }
        }
    }
    place_.resize(n);
    for (int i = 0; i < n; ++i)
        place_[i] = post[place[i]];
    std::vector<int> up(n, -1), columnCount(n);
    for (int j = 0; j < n; ++j) {
        if (parent[j] >= 0) up[post[j]] = post[parent[j]];
        columnCount[post[j]] = count[j];
    }
    std::vector<int> children(n, 0);
    for (int j = 0; j < n; ++j)
        if (up[j] >= 0) ++children[up[j]];

    // The matrix in the factor's order by columns, and where each given entry goes.
    colStart_.assign(n + 1, 0);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p)
            ++colStart_[std::min(place_[Ai[p]], place_[j]) + 1];
    std::partial_sum(colStart_.begin(), colStart_.end(), colStart_.begin());
    colRows_.resize(colStart_[n]);
    source_.resize(colStart_[n]);
    next.assign(colStart_.begin(), colStart_.end() - 1);
    for (int j = 0; j < n; ++j)
        for (int p = Ap[j]; p < Ap[j + 1]; ++p) {
            const int a = place_[Ai[p]], b = place_[j];
            const int q = next[std::min(a, b)]++;
            source_[q] = p;
            colRows_[q] = std::max(a, b);
        }

    // Supernodes: a column joins the one before when it is its only child and has the same
    // structure below; then children join their parent while few zeros come in.
    struct Candidate {
        int first, columns, rows;
        double zeros;
    };
    std::vector<Candidate> merged;
    for (int j = 0; j < n;) {
        Candidate p{j, 1, columnCount[j], 0};
        while (j + p.columns < n) {
            const int c = j + p.columns;
            if (up[c - 1] != c || columnCount[c - 1] != columnCount[c] + 1 || children[c] != 1)
                break;
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
    for (int s = supernodes - 1; s >= 0; --s) {
        const int last = nodes_[s].first + nodes_[s].columns - 1;
        if (up[last] < 0) continue;
        Supernode& parentNode = nodes_[nodeOf[up[last]]];
        nodes_[s].nextSibling = parentNode.firstChild;
        parentNode.firstChild = s;
    }
    below_.clear();
    std::fill(mark.begin(), mark.end(), -1);
    size_ = 0;
    for (int s = 0; s < supernodes; ++s) {
        Supernode& node = nodes_[s];
        const int last = node.first + node.columns - 1;
        node.rowIndex = below_.size();
        for (int j = node.first; j <= last; ++j)
            for (int p = colStart_[j]; p < colStart_[j + 1]; ++p)
                if (colRows_[p] > last && mark[colRows_[p]] != s) {
                    mark[colRows_[p]] = s;
                    below_.push_back(colRows_[p]);
                }
        for (int c = node.firstChild; c >= 0; c = nodes_[c].nextSibling) {
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
        node.values = size_;
        size_ += static_cast<std::size_t>(node.rows) * static_cast<std::size_t>(node.columns);
    }
}

bool SupernodalCholesky::Factorise(const std::vector<double>& given) {
    const int n = static_cast<int>(place_.size());
    const int supernodes = static_cast<int>(nodes_.size());
    values_.reset(new double[size_]);

    // Two threads take disjoint subtrees of about equal work, this one then the rest above
    // them. Each subtree is a range of consecutive supernodes ending at its root.
    std::vector<int> parent(supernodes, -1), size(supernodes, 1);
    std::vector<double> work(supernodes);
    double total = 0;
    for (int s = 0; s < supernodes; ++s) {
        const double k = nodes_[s].columns, m = nodes_[s].rows;
        work[s] += k * m * m;
        total += k * m * m;
        for (int c = nodes_[s].firstChild; c >= 0; c = nodes_[c].nextSibling) {
            parent[c] = s;
            size[s] += size[c];
            work[s] += work[c];
        }
    }
    std::vector<int> frontier, mine, theirs;
    for (int s = 0; s < supernodes; ++s)
        if (parent[s] < 0) frontier.push_back(s);
    bool split = false;
    // Below this much work a second thread costs more than it saves.
    constexpr double kParallelWork = 2e7;
    for (int round = 0; total > kParallelWork && round < 64 && !frontier.empty(); ++round) {
        std::sort(frontier.begin(), frontier.end(),
                  [&](int a, int b) { return work[a] > work[b]; });
        double bins[2] = {0, 0}, frontierWork = 0;
        mine.clear();
        theirs.clear();
        for (int t : frontier) {
            const int bin = bins[0] <= bins[1] ? 0 : 1;
            bins[bin] += work[t];
            frontierWork += work[t];
            (bin == 0 ? mine : theirs).push_back(t);
        }
        if (std::max(bins[0], bins[1]) < 0.55 * frontierWork && frontierWork > 0.6 * total) {
            split = true;
            break;
        }
        const int widest = frontier.front();
        frontier.erase(frontier.begin());
        for (int c = nodes_[widest].firstChild; c >= 0; c = nodes_[c].nextSibling)
            frontier.push_back(c);
    }
    // What a supernode leaves to its parent: inside a subtree on the stack of its thread (the
    // updates of a supernode's children lie on top of it, in the order of the children), from
    // the subtrees' roots and above them kept apart until the parent takes it.
    std::vector<char> inSubtree(supernodes, 0), kept(supernodes, 0);
    if (split) {
        for (const auto* roots : {&mine, &theirs})
            for (int root : *roots) {
                for (int s = root - size[root] + 1; s <= root; ++s)
                    inSubtree[s] = 1;
                kept[root] = 1;
            }
        for (int s = 0; s < supernodes; ++s)
            if (!inSubtree[s]) kept[s] = 1;
    }
    std::vector<std::vector<double>> keptUpdates(supernodes);
    struct Stack {
        std::vector<int> local;
        std::vector<double> updates, work;
        std::vector<std::size_t> starts;
    };

    // One front: the entries of its columns and its children's updates, then its dense
    // factorisation. local maps a row of the factor to its row in the front.
    const auto front = [&](int s, Stack& stack) {
        const Supernode& node = nodes_[s];
        const int k = node.columns, m = node.rows, u = m - k;
        const int* rows = below_.data() + node.rowIndex;
        std::vector<int>& local = stack.local;
        for (int t = 0; t < k; ++t)
            local[node.first + t] = t;
        for (int t = 0; t < u; ++t)
            local[rows[t]] = k + t;
        Eigen::Map<Matrix> L(values_.get() + node.values, m, k);
        L.setZero();
        for (int j = node.first; j < node.first + k; ++j)
            for (int q = colStart_[j]; q < colStart_[j + 1]; ++q)
                L(local[colRows_[q]], j - node.first) += given[source_[q]];
        stack.work.assign(static_cast<std::size_t>(u) * static_cast<std::size_t>(u), 0.0);
        Eigen::Map<Matrix> U(stack.work.data(), u, u);
        int children = 0;
        for (int c = node.firstChild; c >= 0; c = nodes_[c].nextSibling)
            ++children;
        for (int c = node.firstChild; c >= 0; c = nodes_[c].nextSibling, --children) {
            const Supernode& child = nodes_[c];
            const int cu = child.rows - child.columns;
            const int* crows = below_.data() + child.rowIndex;
            const double* update =
                kept[c] ? keptUpdates[c].data()
                        : stack.updates.data() + stack.starts[stack.starts.size() - children];
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
        for (int c = node.firstChild; c >= 0; c = nodes_[c].nextSibling) {
            if (kept[c]) {
                keptUpdates[c] = {};
            } else {
                stack.updates.resize(stack.starts.back());
                stack.starts.pop_back();
            }
        }
        auto L11 = L.topRows(k);
        Eigen::LLT<Eigen::Ref<Matrix>> llt(L11);
        if (llt.info() != Eigen::Success) return false;
        if (u == 0) return true;
        auto L21 = L.bottomRows(u);
        L11.triangularView<Eigen::Lower>().transpose().solveInPlace<Eigen::OnTheRight>(L21);
        U.selfadjointView<Eigen::Lower>().rankUpdate(L21, -1.0);
        if (kept[s]) {
            keptUpdates[s] = stack.work;
        } else {
            stack.starts.push_back(stack.updates.size());
            stack.updates.insert(stack.updates.end(), stack.work.begin(), stack.work.end());
        }
        return true;
    };

    const auto subtrees = [&](const std::vector<int>& roots, Stack& stack) {
        for (int root : roots)
            for (int s = root - size[root] + 1; s <= root; ++s)
                if (!front(s, stack)) return false;
        return true;
    };
    Stack stack;
    stack.local.resize(n);
    if (split) {
        auto other = std::async(std::launch::async | std::launch::deferred, [&] {
            Stack theirStack;
            theirStack.local.resize(n);
            return subtrees(theirs, theirStack);
        });
        const bool ours = subtrees(mine, stack);
        if (!other.get() || !ours) return false;
    }
    for (int s = 0; s < supernodes; ++s)
        if (!inSubtree[s] && !front(s, stack)) return false;
    return true;
}

void SupernodalCholesky::Solve(Eigen::MatrixXd& B) const {
    const int n = static_cast<int>(place_.size());
    RowMatrix X(n, B.cols()), gathered;
    for (int i = 0; i < n; ++i)
        X.row(place_[i]) = B.row(i);
    for (const Supernode& node : nodes_) {
        const int k = node.columns, u = node.rows - k;
        const Eigen::Map<const Matrix> L(values_.get() + node.values, node.rows, k);
        auto x = X.middleRows(node.first, k);
        L.topRows(k).triangularView<Eigen::Lower>().solveInPlace(x);
        if (u == 0) continue;
        gathered.noalias() = L.bottomRows(u) * x;
        for (int t = 0; t < u; ++t)
            X.row(below_[node.rowIndex + t]) -= gathered.row(t);
    }
    for (auto node = nodes_.rbegin(); node != nodes_.rend(); ++node) {
        const int k = node->columns, u = node->rows - k;
        const Eigen::Map<const Matrix> L(values_.get() + node->values, node->rows, k);
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

} // namespace vak1

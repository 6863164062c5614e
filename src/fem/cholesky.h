// A supernodal sparse Cholesky factorisation K = L L^T on dense fronts (multifrontal), for the
// finite-element systems of the torsion and shear values.
#pragma once
#include <Eigen/Core>

#include <cstddef>
#include <memory>
#include <vector>

namespace vak1 {

class SupernodalCholesky {
  public:
    // The structure of the symmetric matrix: its lower triangle by columns (start has n + 1
    // entries, rows those of each column in any order, the diagonal included), and the place
    // of each unknown in the order of elimination, which the caller chooses for little fill.
    // Needs no values: it can run while they are computed.
    void Analyse(const std::vector<int>& start, const std::vector<int>& rows,
                 const std::vector<int>& place);
    // Factorises the matrix with these values of the entries Analyse was given, on two
    // threads when it is large. False when the matrix is not positive definite.
    bool Factorise(const std::vector<double>& values);
    // Solves K X = B, B overwritten by X. Several threads may solve at the same time.
    void Solve(Eigen::MatrixXd& B) const;

  private:
    struct Supernode {
        int first = 0, columns = 0; // the columns first .. first + columns - 1
        int rows = 0;               // rows of its block: its own columns and those below
        std::size_t rowIndex = 0;   // where the rows below its columns start in below_
        std::size_t values = 0;     // where its block (rows x columns, by columns) starts
        int firstChild = -1, nextSibling = -1;
    };

    std::vector<int> place_;       // place_[unknown]: its row in the factor
    std::vector<Supernode> nodes_; // children before their parents
    std::vector<int> below_;       // per supernode the rows below its columns, ascending
    // The matrix in the factor's order, its lower triangle by columns, and for each of its
    // entries the entry given to Analyse it is.
    std::vector<int> colStart_, colRows_, source_;
    std::size_t size_ = 0;
    std::unique_ptr<double[]> values_; // filled front by front, by the thread that factorises it
};

} // namespace vak1

// A supernodal sparse Cholesky factorisation K = L L^T on dense fronts (multifrontal), for the
// finite-element systems of the torsion and shear values.
#pragma once
#include <Eigen/Core>
#include <Eigen/SparseCore>

#include <cstddef>
#include <vector>

namespace vak1 {

class SupernodalCholesky {
  public:
    // Factorises the symmetric matrix of which lower holds the lower triangle (diagonal
    // included), in the order of its unknowns: the caller numbers them for little fill. False
    // when the matrix is not positive definite.
    bool Factorise(const Eigen::SparseMatrix<double>& lower);
    // Solves K X = B, B overwritten by X.
    void Solve(Eigen::MatrixXd& B) const;
    // Entries of the factor's dense blocks (their upper triangles left out).
    std::size_t FactorEntries() const;

  private:
    struct Supernode {
        int first = 0, columns = 0; // the columns first .. first + columns - 1
        int rows = 0;               // rows of its block: its own columns and those below
        std::size_t rowIndex = 0;   // where the rows below its columns start in below_
        std::size_t values = 0;     // where its block (rows x columns, by columns) starts
        int parent = -1;            // the supernode its update goes to
    };

    std::vector<int> place_;       // place_[unknown]: its row in the factor
    std::vector<Supernode> nodes_; // children before their parents
    std::vector<int> below_;       // per supernode the rows below its columns, ascending
    std::vector<double> values_;
};

} // namespace vak1

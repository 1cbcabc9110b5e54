// View factors of the cross-section of a load of long bars lying side by side: nx pieces in a
// row (columns, along x), ny rows (along y), round bars ('K', diameter d) or square bars ('C',
// side d, faces parallel to the rows), clear gaps gx between neighbours in a row and gy between
// rows. The furnace is far away on every side: whatever a face does not see of the pieces, it
// sees of the furnace.
//
// The perimeter of every piece is split into facets of equal length. Facet f of a round bar is
// the arc of angles 2 pi f / M .. 2 pi (f + 1) / M from the +x axis; of a square bar the piece
// s = 4 d f / M .. 4 d (f + 1) / M of its perimeter, counter-clockwise from the corner (-d/2, -d/2).
// M is a multiple of 4, so the facets are mirror symmetric about both axes of a piece and a
// point of contact with a neighbour is a facet boundary.
//
// From a point of a facet the view factor of a strip (two dimensions) to what it sees is
// (sin b - sin a) / 2 over the angles a..b from the normal under which it is seen. The pieces
// are convex and each column (row) of them lies in its own band, so a line between two bands
// separates any two pieces of different columns (of one column, different rows): along any
// ray from a point the piece of the column nearer to the point's own comes first, and in one
// column the nearer row. The visible part of each piece is so found exactly, angle by angle, and
// the facets that make it up are its front facets; the rest of the half-plane is the furnace.
// The view factor of a facet is the mean of those of its points, by Gauss-Legendre quadrature.
// Where two square bars touch (a gap of 0), the facets of the faces in contact see only each
// other (the limit of a closing gap).
#pragma once

#include <vector>

namespace zorvet {

// The most pieces an array computes: the radiosity exchange of all their facets is dense, so its
// cost grows with the square of the pieces and its set-up with the cube.
inline constexpr int kNejviceKusuMrizky = 100;

struct Usporadani {
    char profil = 'K';          // 'K' round bars, 'C' square bars
    double d = 0.0;             // m: diameter or side
    int nx = 1, ny = 1;         // pieces in a row (columns), rows
    double gx = 0.0, gy = 0.0;  // m: clear gap between neighbours in a row, between rows; 0 = touching
};

// Index of piece (row, column): row * nx + column; its centre at (column (d + gx), row (d + gy)).
struct PolohaKusu {
    int radek = 0, sloupec = 0;
};

// The mirror symmetry of an array: every piece has a representative in the lower left quarter
// (rows 0..(ny-1)/2, columns 0..(nx-1)/2), mirrored into it about the array's vertical and/or
// horizontal axis. A square array (nx = ny, gx = gy) is also its own mirror image about the
// quarter's diagonal: the representatives are then those of the quarter on or above it (row <=
// column), and a piece below it is mirrored about the diagonal after the axes (x and y swapped).
// Without symmetry every piece is its own representative.
class Symetrie {
public:
    Symetrie(const Usporadani& u, int fasetNaKus, bool vyuzit);

    int kusu() const { return kusu_; }
    int fasetNaKus() const { return m_; }
    // The pieces computed (the representatives), in increasing index.
    const std::vector<int>& reprezentanti() const { return reprezentanti_; }
    // The position of piece k among the representatives (of its own representative).
    int poradi(int kus) const { return poradi_[static_cast<std::size_t>(kus)]; }
    // The local facet of piece `kus` that its representative's facet f is mirrored to (and back).
    int faseta(int kus, int f) const;
    // How many pieces each representative stands for (1, 2, 4 or 8).
    int nasobnost(int poradi) const { return nasobnost_[static_cast<std::size_t>(poradi)]; }
    bool prevraciX(int kus) const;
    bool prevraciY(int kus) const;
    // Mirrored about the quarter's diagonal (after the axes).
    bool prevraciD(int kus) const;
    // The piece lies on the array's vertical (X) or horizontal (Y) axis, or on the quarter's
    // diagonal (D): its own mirror image.
    bool naOseX(int kus) const;
    bool naOseY(int kus) const;
    bool naOseD(int kus) const;
    // Local facet f mirrored about the piece's vertical and/or horizontal axis, then about its
    // diagonal.
    int zrcadlo(int f, bool x, bool y, bool d = false) const;
    // Piece kus mirrored about the array's axes and then the quarter's diagonal.
    int zrcadliKus(int kus, bool x, bool y, bool d) const;

private:
    int kusu_ = 0, m_ = 0, nx_ = 1, ny_ = 1;
    bool vyuzit_ = true, diagonala_ = false;
    std::vector<int> reprezentanti_, poradi_, nasobnost_;
    std::vector<int> zrcadloX_, zrcadloY_, zrcadloD_;  // local facet mirrored about the piece's own axes
};

struct PohledoveFaktory {
    int fasetNaKus = 0;       // M
    int kusu = 0;             // nx * ny
    double delkaFasety = 0.0; // m, per unit length of the bars
    // Rows: the facets of the representatives, (order of the representative) * M + local facet.
    // Columns: all facets, piece * M + local facet. F[row * (kusu * M) + column].
    std::vector<double> F;
    std::vector<double> Fpec;  // per row: to the furnace
};

// The view factors of the facets of the representatives (all pieces without symmetry), each as
// its quadrature gives it: the rows of a facet sum to 1 point by point, to rounding; reciprocity
// holds to the accuracy of the quadrature. bodu: Gauss points per facet, 1..64.
PohledoveFaktory SpoctiFaktory(const Usporadani& u, int fasetNaKus, const Symetrie& s, int bodu = 16);

// Makes reciprocity exact (A_i F_ij and A_j F_ji replaced by their mean; the facets are of one
// length) and sets each row's furnace factor to 1 minus the rest (at least 0).
void VyrovnejReciprocitu(PohledoveFaktory& f, const Symetrie& s);

// The representatives' facets exchange with the mirror images of each other: the folded view
// factors, row i to representative facet j, N x N with N = representatives * M.
std::vector<double> SlozFaktory(const PohledoveFaktory& f, const Symetrie& s);

// The folded factors toward a piece on an axis of the array, which is its own mirror image and
// so of mirrored emissive powers, averaged over each facet and its mirror images: the same
// exchange for every field of the symmetry, and one that keeps reciprocity in the folded form,
// w_i F_ij = w_j F_ji with the weights below.
void ZprumerujSoumerne(std::vector<double>& F, const Symetrie& s);

// The weight of each representative's facet: the pieces it stands for (the facets are of one
// length).
std::vector<double> VahyFaset(const Symetrie& s);

// Whether the arrangement is valid: a known profile, d positive and finite (1e-6..1e3 m), 1 to
// kNejviceKusuMrizky pieces in all (each count within it too), gaps finite and 0..1e3 m.
bool PlatneUsporadani(const Usporadani& u);

}  // namespace zorvet

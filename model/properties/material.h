// The material database and the emissivity help text, as read from the data folder.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/properties/vlastnosti.h"

namespace zorvet {

inline constexpr int kPocetMaterialu = 51;  // records 0..50

struct Material {
    std::string Nazev;
    float c = 0.0f;     // J/kg/K
    float Gama = 0.0f;  // kg/m³

    bool operator==(const Material&) const = default;
};

struct DatabazeMaterialu {
    std::vector<Material> Materialy;  // in file order, at most kPocetMaterialu
    std::string TabulkaEps;           // "material - emissivity  " pairs on one line
    std::map<std::string, float> Vodivosti;  // thermal conductivity by material name, W/m/K
    std::map<std::string, VlastnostiMaterialu> Krivky;  // the user's property curves by name
    // The last material, when the file ends inside its record, without the line end a written
    // record has: it may have been cut short.
    std::optional<Material> Orezany;

    // The record of that exact name (letters and case), or -1.
    int najdi(const std::string& nazev) const {
        for (std::size_t i = 0; i < Materialy.size(); ++i) {
            if (Materialy[i].Nazev == nazev) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

}  // namespace zorvet

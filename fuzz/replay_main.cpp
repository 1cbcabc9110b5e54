// Runs a fuzz target over saved inputs without libFuzzer: every file named on the command line
// and every file under every folder named there, in name order. The test suite uses it to
// replay the seed corpora and the regression files, so the targets keep building and a fixed
// crash stays fixed. A failed check aborts, with the input's name printed just before.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool pridej(const fs::path& cesta, std::vector<fs::path>& soubory) {
    std::error_code chyba;
    if (fs::is_directory(cesta, chyba)) {
        std::vector<fs::path> nalezene;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(cesta, chyba)) {
            if (e.is_regular_file()) {
                nalezene.push_back(e.path());
            }
        }
        std::sort(nalezene.begin(), nalezene.end());
        soubory.insert(soubory.end(), nalezene.begin(), nalezene.end());
        return !chyba;
    }
    if (fs::is_regular_file(cesta, chyba)) {
        soubory.push_back(cesta);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Absolute paths: a target may change the working folder.
    std::vector<fs::path> soubory;
    for (int i = 1; i < argc; ++i) {
        // A folder that is not there yet (no regression found so far) is no error.
        if (!pridej(fs::absolute(argv[i]), soubory) && fs::exists(argv[i])) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
    }
    if (soubory.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    for (const fs::path& soubor : soubory) {
        std::ifstream in(soubor, std::ios::binary);
        const std::vector<char> obsah((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.is_open() || in.bad()) {
            std::fprintf(stderr, "cannot read %s\n", soubor.c_str());
            return 1;
        }
        std::fprintf(stderr, "%s\n", soubor.c_str());
        std::fflush(stderr);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(obsah.data()), obsah.size());
    }
    std::printf("%zu inputs replayed\n", soubory.size());
    return 0;
}

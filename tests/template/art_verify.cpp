// Opens a dex file with the Android runtime's own loader (Debian's
// android-libart, ART 11), with structure verification and checksum check
// on, as a phone does when it installs the APK. Prints "verified" and exits
// 0, or prints "rejected: <ART's reason>" and exits 1; 2 when the file
// cannot be read.
//
// libart ships no headers: the declarations below are those of ART 11's
// art::DexFileLoader (dex_file_loader.h), as far as this call needs them.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace art {
class DexFile {
public:
    virtual ~DexFile();
};
class OatDexFile;
class DexFileContainer {
public:
    virtual ~DexFileContainer();
};
class DexFileLoader {
public:
    std::unique_ptr<const DexFile> Open(const uint8_t* base, size_t size, const std::string& location,
                                        uint32_t location_checksum, const OatDexFile* oat_dex_file,
                                        bool verify, bool verify_checksum, std::string* error_msg,
                                        std::unique_ptr<DexFileContainer> container) const;
};
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " classes.dex\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    const art::DexFileLoader loader;
    std::string error;
    std::unique_ptr<const art::DexFile> dex = loader.Open(bytes.data(), bytes.size(), argv[1], 0, nullptr,
                                                          /*verify=*/true, /*verify_checksum=*/true, &error,
                                                          nullptr);
    if (!dex) {
        std::cout << "rejected: " << error << "\n";
        return 1;
    }
    // The DexFile points into `bytes`; it is left to the process's end.
    dex.release();
    std::cout << "verified\n";
    return 0;
}

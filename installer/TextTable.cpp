// Filling in the texts of the string table (see TextTable.h).
#include "installer/TextTable.h"

std::string TextTable::text(unsigned id, const std::string& value) const {
    std::string format = text(id);
    const std::size_t at = format.find("%s");
    return at == std::string::npos ? format : format.replace(at, 2, value);
}

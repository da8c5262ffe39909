#include "engine/UseCharArray.h"

void UseCharArray::Add(const UseChar& record, std::size_t count) {
    records.insert(records.end(), count, record);
}

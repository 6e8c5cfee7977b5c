#include <gtest/gtest.h>

#include "data/Bases.h"

namespace veltrin {
namespace {

TEST(DataSet, Loads) {
    Bases bases;
    bases.LoadAll(VELTRIN_DATA_DIR);
    SUCCEED();
}

}  // namespace
}  // namespace veltrin

// Names table rows of parameterised tests after their `name` field, so a failure reads as a sentence.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

// Tables whose length is part of their type: exact_rows<N>(rows) turns a list
// of rows into a std::array of N, and a list with a row missing or one too
// many fails to compile. distinct() checks a column that names its rows.
#pragma once

#include <array>
#include <cstddef>

namespace tessmar {

template <std::size_t N, class Row, std::size_t Given>
consteval std::array<Row, N> exact_rows(const Row (&rows)[Given])
{
    static_assert(Given == N, "the table must have exactly its named number of rows");
    return std::to_array(rows);
}

// No two rows hold the same value in that column.
template <class Row, std::size_t N, class Value>
constexpr bool distinct(const std::array<Row, N>& rows, Value Row::*column)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (rows[i].*column == rows[j].*column) return false;
    return true;
}

}  // namespace tessmar

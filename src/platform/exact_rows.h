// Tables whose length is part of their type: exact_rows<N>(rows) turns a list
// of rows into a std::array of N, and a list with a row missing or one too
// many fails to compile.
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

}  // namespace tessmar

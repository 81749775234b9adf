# Writes N products in the exchange layout (a "0" line, then 18 fields),
# their words distinct and in the order the product file keeps them.
BEGIN {
  for (i = 1; i <= n; i++) {
    id = sprintf("%05d", i)
    printf "0\r\n"
    printf "item %s caf\351 cr\350me\r\n", id
    printf "%s\r\n", (i % 7 == 0 ? "second line of words, " id : "")
    printf "S-%03d\r\n", i % 250
    printf "Dept %d\r\n", i % 12
    printf "%s\r\n", (i % 50 == 0 ? "X" id : "")
    printf "%d\r\n", 20 + (i * 37) % 900
    printf "%d.5\r\n", 10 + (i * 53) % 700
    printf "%d\r\n", 1 + i % 2
    printf "Product %s\r\n", id
    for (l = 3; l <= 10; l++) printf "%s\r\n", (l <= 3 + i % 8 ? "line " l " of " id : "")
    printf "%s\r\n", (i % 3 == 0 ? "see also item " sprintf("%05d", i + 1) : "")
  }
}

# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Prints every skipped test of a CTest log with the reason it gave, so that a skip is seen
# and not taken for a pass: GoogleTest's "file:line: Skipped" followed by the reason, and
# Qt Test's "SKIP   : Class::function() reason".
/^[0-9]+\/[0-9]+ Testing: / { name = $3 }
/: Skipped$/ { getline reason; printf "skipped: %s: %s\n", name, reason; count++ }
/^SKIP   : / { sub(/^SKIP   : /, ""); printf "skipped: %s: %s\n", name, $0; count++ }
END { if (count) printf "%d skipped test%s (see above); each counts as skipped, not passed.\n", count, count == 1 ? "" : "s" }

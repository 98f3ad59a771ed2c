# Declarations for the layering check's own test: a module "low" below a module "high",
# in a tree that breaks each rule once.
set(VESSANT_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(VESSANT_MODULES "low;high")
set(VESSANT_DEPENDS_low "")
set(VESSANT_TEST_DEPENDS_low "")
set(VESSANT_QT_low FALSE)
set(VESSANT_DEPENDS_high "low")
set(VESSANT_TEST_DEPENDS_high "")
set(VESSANT_QT_high TRUE)

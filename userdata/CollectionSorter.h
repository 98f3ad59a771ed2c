#pragma once
// A quicksort that reaches the collection only through an accessor and orders elements
// only through a comparer, so any list can be sorted by any key.

#include <utility>

namespace vessant {

template <class T>
class IComparer {
public:
    virtual ~IComparer() = default;
    virtual bool Greater(const T& a, const T& b) const = 0;
    virtual bool Less(const T& a, const T& b) const = 0;
    virtual bool Equal(const T& a, const T& b) const = 0;
};

template <class T>
class ICollectionAccessor {
public:
    virtual ~ICollectionAccessor() = default;
    virtual int Count() const = 0;
    virtual const T& At(int index) const = 0;   // index in [0, Count())
    virtual void Swap(int a, int b) = 0;
};

template <class T>
class CCollectionSorter {
public:
    // Sorts ascending. Equal elements keep no particular order. The middle element is the
    // pivot and the smaller side is sorted first with the larger side looped over, so an
    // already sorted list (as a saved file is) stays O(n log n) and the stack O(log n).
    static void Sort(ICollectionAccessor<T>& items, const IComparer<T>& comparer) {
        SortRange(items, comparer, 0, items.Count() - 1);
    }

private:
    static void SortRange(ICollectionAccessor<T>& items, const IComparer<T>& comparer,
                          int low, int high) {
        while (high - low >= kInsertionThreshold) {
            const int split = Partition(items, comparer, low, high);
            if (split - low < high - split) {
                SortRange(items, comparer, low, split);
                low = split + 1;
            } else {
                SortRange(items, comparer, split + 1, high);
                high = split;
            }
        }
        InsertionSort(items, comparer, low, high);
    }

    // Hoare partition: afterwards every element of [low, split] is not greater than every
    // element of [split + 1, high], and both parts are non-empty.
    static int Partition(ICollectionAccessor<T>& items, const IComparer<T>& comparer,
                         int low, int high) {
        const int middle = low + (high - low) / 2;
        items.Swap(low, middle);   // keep the pivot at a known index while scanning
        int pivot = low;
        int i = low - 1;
        int j = high + 1;
        for (;;) {
            do {
                ++i;
            } while (comparer.Less(items.At(i), items.At(pivot)));
            do {
                --j;
            } while (comparer.Greater(items.At(j), items.At(pivot)));
            if (i >= j)
                return j;
            items.Swap(i, j);
            if (pivot == i)
                pivot = j;
            else if (pivot == j)
                pivot = i;
        }
    }

    static void InsertionSort(ICollectionAccessor<T>& items, const IComparer<T>& comparer,
                              int low, int high) {
        for (int i = low + 1; i <= high; ++i) {
            for (int j = i; j > low && comparer.Less(items.At(j), items.At(j - 1)); --j)
                items.Swap(j, j - 1);
        }
    }

    static constexpr int kInsertionThreshold = 12;
};

} // namespace vessant

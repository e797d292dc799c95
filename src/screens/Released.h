#pragma once

// A COM interface the holder releases when it goes (or on Reset): the DXGI and Direct3D objects, whose
// libraries are looked up at run time.
template <class Interface> struct Released {
    Released() = default;
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    ~Released() { Reset(); }
    void Reset() {
        if (p != nullptr)
            p->Release();
        p = nullptr;
    }

    Interface* p = nullptr;
};

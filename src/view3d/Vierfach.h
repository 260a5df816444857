#pragma once
// Four doubles in the lanes of one AVX2 register, for routines that run the
// same arithmetic over many entries at once. Every operation rounds in each
// lane exactly as the scalar operation on double does (IEEE addition,
// subtraction, multiplication, division and square root; no fused
// multiply-add; comparisons are ordered, false for NaN), so a routine
// written for Vierfach with the operations in the same order as its scalar
// twin gives the same bits lane by lane.
//
// Only for functions marked [[gnu::target("avx2")]], called where
// VierfachDa() says the processor has AVX2.

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define RG_VIERFACH 1
#include <immintrin.h>

namespace tiefe {

bool VierfachDa();

#define RG_VIER [[gnu::target("avx2"), gnu::always_inline]] inline

struct Vierfach {
    __m256d v;
};
// A lane mask: all bits of a lane set where the comparison holds.
struct Maske {
    __m256d m;
};

RG_VIER Vierfach Vier(double a) { return {_mm256_set1_pd(a)}; }
// Lanes 0..3 from four doubles.
RG_VIER Vierfach Vier(double a0, double a1, double a2, double a3) { return {_mm256_set_pd(a3, a2, a1, a0)}; }
RG_VIER Vierfach Laden(const double* p) { return {_mm256_loadu_pd(p)}; }
RG_VIER void Speichern(double* p, Vierfach a) { _mm256_storeu_pd(p, a.v); }
RG_VIER double Bahn(Vierfach a, int k) {
    alignas(32) double d[4];
    _mm256_store_pd(d, a.v);
    return d[k];
}

RG_VIER Vierfach operator+(Vierfach a, Vierfach b) { return {_mm256_add_pd(a.v, b.v)}; }
RG_VIER Vierfach operator-(Vierfach a, Vierfach b) { return {_mm256_sub_pd(a.v, b.v)}; }
RG_VIER Vierfach operator*(Vierfach a, Vierfach b) { return {_mm256_mul_pd(a.v, b.v)}; }
RG_VIER Vierfach operator/(Vierfach a, Vierfach b) { return {_mm256_div_pd(a.v, b.v)}; }
// -a flips the sign bit, as the scalar negation does.
RG_VIER Vierfach operator-(Vierfach a) { return {_mm256_xor_pd(a.v, _mm256_set1_pd(-0.0))}; }
RG_VIER Vierfach Betrag(Vierfach a) { return {_mm256_andnot_pd(_mm256_set1_pd(-0.0), a.v)}; }
RG_VIER Vierfach Wurzel(Vierfach a) { return {_mm256_sqrt_pd(a.v)}; }
// std::max(a, b) and std::min(a, b) of the scalar code: std::max returns a
// unless a < b, std::min returns a unless b < a (NaN and -0.0 included).
RG_VIER Vierfach Maximum(Vierfach a, Vierfach b) { return {_mm256_blendv_pd(a.v, b.v, _mm256_cmp_pd(a.v, b.v, _CMP_LT_OQ))}; }
RG_VIER Vierfach Minimum(Vierfach a, Vierfach b) { return {_mm256_blendv_pd(a.v, b.v, _mm256_cmp_pd(b.v, a.v, _CMP_LT_OQ))}; }

RG_VIER Maske operator<(Vierfach a, Vierfach b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_LT_OQ)}; }
RG_VIER Maske operator<=(Vierfach a, Vierfach b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_LE_OQ)}; }
RG_VIER Maske operator>(Vierfach a, Vierfach b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_GT_OQ)}; }
RG_VIER Maske operator>=(Vierfach a, Vierfach b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_GE_OQ)}; }
RG_VIER Maske operator==(Vierfach a, Vierfach b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_EQ_OQ)}; }
RG_VIER Maske operator&(Maske a, Maske b) { return {_mm256_and_pd(a.m, b.m)}; }
RG_VIER Maske operator|(Maske a, Maske b) { return {_mm256_or_pd(a.m, b.m)}; }
RG_VIER Maske operator!(Maske a) { return {_mm256_xor_pd(a.m, _mm256_castsi256_pd(_mm256_set1_epi64x(-1)))}; }
// Bit k set when lane k holds.
RG_VIER int Bits(Maske a) { return _mm256_movemask_pd(a.m); }
// m ? a : b, lane by lane.
RG_VIER Vierfach Wahl(Maske m, Vierfach a, Vierfach b) { return {_mm256_blendv_pd(b.v, a.v, m.m)}; }

#undef RG_VIER

}  // namespace tiefe
#endif

#include "engine_fixture.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {

using Values = std::vector<double>;

using ArrayConversions = EngineTest;

TEST_F(ArrayConversions, IntegersKeepLowBitsAndSignExtend) {
    struct Case {
        short from;
        double value;
        short to;
        double expected;
    } cases[] = {
        {kTypeUS, 300, kTypeUC, 44},
        {kTypeL, -1, kTypeUS, 65535},
        {kTypeC, -1, kTypeUS, 65535},
        {kTypeC, -1, kTypeUL, 4294967295.0},
        {kTypeUC, 255, kTypeL, 255},
        {kTypeS, -300, kTypeC, -44},
        {kTypeUL, 4294967295.0, kTypeD, 4294967295.0},
        {kTypeUL, 4294967295.0, kTypeL, -1},
        {kTypeF, 300.7, kTypeUC, 44},
        {kTypeF, -1.5, kTypeUC, 255},
        {kTypeD, -2.9, kTypeL, -2},
        {kTypeD, 4294967296.0 + 5, kTypeUL, 5},
        {kTypeF, 1e30, kTypeL, 0},
        {kTypeX, 7.9, kTypeS, 7},
        {kTypeL, 16777217, kTypeF, 16777216},
        {kTypeD, 0.1, kTypeF, static_cast<float>(0.1)},
        {kTypeL, 300, kTypeBoolean, 44},
    };
    for (const Case& c : cases) {
        Owned src(MakeArray(c.from, {c.value}));
        Owned dst(vConvertTo(src.Array(), nullptr, c.to));
        ASSERT_NE(dst.obj, nullptr);
        EXPECT_EQ(dst.Array()->type, c.to);
        EXPECT_EQ(vDoubleVal(dst.Array(), 0), c.expected)
            << c.from << "->" << c.to << " " << c.value;
    }
}

TEST_F(ArrayConversions, ComplexTakesAndGivesTheRealPart) {
    Owned d(MakeArray(kTypeD, {2.5, -1}));
    Owned x(vComplex(d.Array(), nullptr));
    ASSERT_NE(x.obj, nullptr);
    const auto* p = static_cast<const vCOMPLEX*>(x.Array()->data);
    EXPECT_EQ(p[0].re, 2.5f);
    EXPECT_EQ(p[0].im, 0.0f);
    EXPECT_EQ(p[1].re, -1.0f);
    Owned back(vLong(x.Array(), nullptr));
    EXPECT_EQ(ValuesOf(back.obj), (Values{2, -1}));
}

TEST_F(ArrayConversions, IntoAGivenArrayOnlyOfTheRightTypeAndOnlyAsFarAsItReaches) {
    Owned src(MakeArray(kTypeL, {1, 2, 3}));
    Owned small(vArrayCreate1(kTypeUC, 2));
    EXPECT_EQ(vConvert(src.Array(), small.Array(), small.Array()), small.obj);
    EXPECT_EQ(ValuesOf(small.obj), (Values{1, 2}));
    Owned wrong(vArrayCreate1(kTypeS, 3));
    EXPECT_EQ(vConvert(src.Array(), wrong.Array(), small.Array()), nullptr);
    EXPECT_EQ(vConvertTo(src.Array(), nullptr, 48), nullptr);
}

TEST_F(ArrayConversions, ElementAccessors) {
    Owned c(MakeArray(kTypeC, {-3}));
    EXPECT_EQ(vLongValue(c.Array(), 0), -3);
    Owned us(MakeArray(kTypeUS, {65535}));
    EXPECT_EQ(vLongValue(us.Array(), 0), 65535);
    Owned f(MakeArray(kTypeF, {0.5, -2.7}));
    EXPECT_FALSE(vIsTrue(f.Array(), 0));
    EXPECT_EQ(vLongValue(f.Array(), 1), -2);
    EXPECT_EQ(vLongValue(f.Array(), 2), 0); // beyond the end
    EXPECT_EQ(vDoubleVal(f.Array(), 5), 0.0);
    EXPECT_EQ(vLongValue(f.Array(), 4294967297l), 0); // never wraps back to element 1
    EXPECT_EQ(vLongValue(f.Array(), -1), 0);
    EXPECT_EQ(vDimSizeArray(f.Array(), 0), 2u);
    EXPECT_EQ(vDimSizeArray(f.Array(), 3), 1u);
    EXPECT_EQ(vDimSizeArray(f.Array(), 4), 0u);
}

TEST_F(ArrayConversions, TypeConversionOperations) {
    Owned f(MakeArray(kTypeF, {2.7}));
    Owned code53(MakeArray(kTypeL, {53}));
    Owned code48(MakeArray(kTypeL, {48}));
    Owned l(Apply(&vvARRAYconvert, {f.obj, code53.obj}));
    ASSERT_NE(l.obj, nullptr);
    EXPECT_EQ(l.Array()->type, kTypeL);
    EXPECT_EQ(ValuesOf(l.obj), (Values{2}));
    EXPECT_EQ(Apply(&vvARRAYconvert, {f.obj, code48.obj}), nullptr);
    Owned fix(Apply(&vvARRAYlong, {f.obj}));
    EXPECT_EQ(fix.Array()->type, kTypeL);
    Owned fl(Apply(&vvARRAYfloat, {code53.obj}));
    EXPECT_EQ(fl.Array()->type, kTypeF);
    Owned uc(Apply(&vvARRAYuchar, {code53.obj}));
    EXPECT_EQ(uc.Array()->type, kTypeUC);
    Owned ch(Apply(&vvARRAYchar, {code53.obj}));
    EXPECT_EQ(ch.Array()->type, kTypeC);
}

TEST_F(ArrayConversions, TypedConvertersGiveTheirTypes) {
    Owned src(MakeArray(kTypeD, {-1.5, 70000}));
    struct Case {
        vARRAY* (*convert)(const vARRAY*, vARRAY*);
        short type;
        std::vector<double> values;
    } cases[] = {
        {&vUChar, kTypeUC, {255, 112}},
        {&vChar, kTypeC, {-1, 112}},
        {&vUShort, kTypeUS, {65535, 4464}},
        {&vShort, kTypeS, {-1, 4464}},
        {&vULong, kTypeUL, {4294967295.0, 70000}},
        {&vLong, kTypeL, {-1, 70000}},
        {&vFloat, kTypeF, {-1.5, 70000}},
        {&vDouble, kTypeD, {-1.5, 70000}},
        {&vComplex, kTypeX, {-1.5, 70000}},
    };
    for (const Case& c : cases) {
        Owned r(c.convert(src.Array(), nullptr));
        ASSERT_NE(r.obj, nullptr);
        EXPECT_EQ(r.Array()->type, c.type);
        EXPECT_EQ(ValuesOf(r.obj), c.values) << c.type;
    }
}

using ArrayCreation = EngineTest;

TEST_F(ArrayCreation, ShapesAndLimits) {
    unsigned long dims[5] = {2, 3, 4, 5, 6};
    Owned a(vArrayCreate(kTypeS, 5, dims));
    ASSERT_NE(a.obj, nullptr);
    EXPECT_EQ(a.Array()->ndims, 4);
    EXPECT_EQ(a.Array()->count, 120u);
    EXPECT_EQ(a.Array()->bytes, 240u);
    Owned scalar(vArrayCreate(kTypeD, 0, nullptr));
    EXPECT_EQ(scalar.Array()->count, 1u);
    EXPECT_EQ(scalar.Array()->dims[0], 1u);
    EXPECT_EQ(vArrayCreate(48, 1, dims), nullptr);
    EXPECT_EQ(vArrayCreate(59, 1, dims), nullptr);
    unsigned long huge[2] = {100000, 100000};
    EXPECT_EQ(vArrayCreate(kTypeD, 2, huge), nullptr);
    unsigned long wrap[2] = {65536, 65536}; // 2^32 elements would wrap a 32-bit count
    EXPECT_EQ(vArrayCreate(kTypeUC, 2, wrap), nullptr);
    Owned like(vArrayCreateLike(a.obj));
    EXPECT_EQ(like.Array()->count, 120u);
    EXPECT_EQ(vArrayCreateLike(nullptr), nullptr);
    Owned t(vTextCreate("x"));
    EXPECT_EQ(vArrayCreateLike(t.obj), nullptr);
    EXPECT_EQ(vGetType(a.obj), kTypeS);
    EXPECT_EQ(vGetSize(a.obj), 120);
}

TEST_F(ArrayCreation, FillCopiesRawItemsWithinBounds) {
    Owned a(vArrayCreate1(kTypeL, 3));
    std::int32_t items[4] = {7, 8, 9, 10};
    EXPECT_EQ(vFillArray(a.Array(), 4, 1, items), 2);
    EXPECT_EQ(ValuesOf(a.obj), (Values{0, 7, 8}));
    EXPECT_EQ(vFillArray(a.Array(), 1, 3, items), 0);
    EXPECT_EQ(vFillArray(a.Array(), 1, -1, items), 0);
    Owned x(vArrayCreate1(kTypeX, 2));
    EXPECT_EQ(vFillArray(x.Array(), 1, 0, items), 0);
}

using ArrayArithmetic = EngineTest;

TEST_F(ArrayArithmetic, ScalarSecondInputIsConvertedAndBroadcast) {
    Owned a(MakeArray(kTypeUC, {250, 1, 2, 3, 4}));
    Owned b(MakeArray(kTypeL, {10}));
    Owned r(Apply(&vvARRAYadd, {a.obj, b.obj}));
    ASSERT_NE(r.obj, nullptr);
    EXPECT_EQ(r.Array()->type, kTypeUC);
    EXPECT_EQ(ValuesOf(r.obj), (Values{4, 11, 12, 13, 14}));
    EXPECT_EQ(ValuesOf(a.obj), (Values{250, 1, 2, 3, 4})); // inputs never change
}

TEST_F(ArrayArithmetic, ShorterSecondInputLeavesTheRestZero) {
    Owned a(MakeArray(kTypeL, {1, 2, 3, 4, 5}));
    Owned b(MakeArray(kTypeL, {10, 20, 30}));
    Owned r(Apply(&vvARRAYadd, {a.obj, b.obj}));
    EXPECT_EQ(ValuesOf(r.obj), (Values{11, 22, 33, 0, 0}));
    Owned bs(MakeArray(kTypeS, {10, 20, 30})); // converted into the result first
    Owned rs(Apply(&vvARRAYsubtract, {a.obj, bs.obj}));
    EXPECT_EQ(ValuesOf(rs.obj), (Values{-9, -18, -27, 0, 0}));
    Owned longer(MakeArray(kTypeD, {1, 1, 1, 1, 1, 1, 1}));
    Owned rl(Apply(&vvARRAYmultiply, {b.obj, longer.obj}));
    EXPECT_EQ(ValuesOf(rl.obj), (Values{10, 20, 30}));
}

TEST_F(ArrayArithmetic, IntegersWrapAround) {
    Owned a(MakeArray(kTypeL, {2147483647, -2147483648.0}));
    Owned one(MakeArray(kTypeL, {1}));
    Owned r(Apply(&vvARRAYadd, {a.obj, one.obj}));
    EXPECT_EQ(ValuesOf(r.obj), (Values{-2147483648.0, -2147483647}));
    Owned us(MakeArray(kTypeUS, {65535}));
    Owned rm(Apply(&vvARRAYmultiply, {us.obj, us.obj}));
    EXPECT_EQ(ValuesOf(rm.obj), (Values{1}));
}

TEST_F(ArrayArithmetic, Division) {
    Owned a(MakeArray(kTypeL, {7, -7}));
    Owned zero(MakeArray(kTypeL, {0}));
    Owned two(MakeArray(kTypeL, {2}));
    Owned r0(Apply(&vvARRAYdivide, {a.obj, zero.obj}));
    EXPECT_EQ(ValuesOf(r0.obj), (Values{7, -7}));
    Owned r2(Apply(&vvARRAYdivide, {a.obj, two.obj}));
    EXPECT_EQ(ValuesOf(r2.obj), (Values{3, -3}));
    // Element-wise: a zero element gives 0, the lowest value by -1 wraps.
    Owned b(MakeArray(kTypeL, {0, 2}));
    Owned re(Apply(&vvARRAYdivide, {a.obj, b.obj}));
    EXPECT_EQ(ValuesOf(re.obj), (Values{0, -3}));
    Owned low(MakeArray(kTypeL, {-2147483648.0, 5}));
    Owned minusOne(MakeArray(kTypeL, {-1, -1}));
    Owned rw(Apply(&vvARRAYdivide, {low.obj, minusOne.obj}));
    EXPECT_EQ(ValuesOf(rw.obj), (Values{-2147483648.0, -5}));
    Owned f(MakeArray(kTypeF, {1, 3}));
    Owned fz(MakeArray(kTypeF, {0}));
    Owned rf(Apply(&vvARRAYdivide, {f.obj, fz.obj}));
    EXPECT_EQ(ValuesOf(rf.obj), (Values{1, 3}));
}

vARRAY* ComplexOf(std::initializer_list<vCOMPLEX> values) {
    vARRAY* x = vArrayCreate1(kTypeX, values.size());
    auto* p = static_cast<vCOMPLEX*>(x->data);
    for (vCOMPLEX v : values)
        *p++ = v;
    return x;
}

TEST_F(ArrayArithmetic, ComplexElements) {
    Owned a(ComplexOf({{1, 2}, {3, 4}}));
    Owned b(ComplexOf({{3, -1}, {0, 0}}));
    Owned m(Apply(&vvARRAYmultiply, {a.obj, b.obj}));
    const auto* pm = static_cast<const vCOMPLEX*>(m.Array()->data);
    EXPECT_EQ(pm[0].re, 5.0f); // (1+2i)(3-i) = 5+5i
    EXPECT_EQ(pm[0].im, 5.0f);
    Owned d(Apply(&vvARRAYdivide, {a.obj, b.obj}));
    const auto* pd = static_cast<const vCOMPLEX*>(d.Array()->data);
    EXPECT_FLOAT_EQ(pd[0].re, 0.1f); // (1+2i)/(3-i) = 0.1+0.7i
    EXPECT_FLOAT_EQ(pd[0].im, 0.7f);
    EXPECT_EQ(pd[1].re, 3.0f); // a zero divisor leaves the dividend
    EXPECT_EQ(pd[1].im, 4.0f);
    Owned s(ComplexOf({{2, 0}}));
    Owned ds(Apply(&vvARRAYdivide, {a.obj, s.obj}));
    const auto* pds = static_cast<const vCOMPLEX*>(ds.Array()->data);
    EXPECT_EQ(pds[1].re, 3.0f); // one part of the single divisor is 0: copied
    Owned g(Apply(&vvARRAYgreater, {a.obj, b.obj}));
    const auto* pg = static_cast<const vCOMPLEX*>(g.Array()->data);
    EXPECT_EQ(pg[0].re, 3.0f); // real parts decide
    EXPECT_EQ(pg[0].im, -1.0f);
    EXPECT_EQ(pg[1].re, 3.0f);
}

TEST_F(ArrayArithmetic, GreaterAndLesserAreMaximumAndMinimum) {
    Owned a(MakeArray(kTypeL, {1, 5}));
    Owned b(MakeArray(kTypeL, {3, 2}));
    Owned g(Apply(&vvARRAYgreater, {a.obj, b.obj}));
    EXPECT_EQ(ValuesOf(g.obj), (Values{3, 5}));
    Owned l(Apply(&vvARRAYlesser, {a.obj, b.obj}));
    EXPECT_EQ(ValuesOf(l.obj), (Values{1, 2}));
}

TEST_F(ArrayArithmetic, NonArraysGiveNoResult) {
    Owned a(MakeArray(kTypeL, {1}));
    Owned t(vTextCreate("1"));
    EXPECT_EQ(Apply(&vvARRAYadd, {a.obj, t.obj}), nullptr);
    EXPECT_EQ(Apply(&vvARRAYadd, {t.obj, a.obj}), nullptr);
    EXPECT_EQ(Apply(&vvARRAYadd, {a.obj}), nullptr);
    EXPECT_EQ(Apply(&vvARRAYmin, {t.obj}), nullptr);
}

TEST_F(ArrayArithmetic, ReductionsAndAbsolute) {
    Owned a(MakeArray(kTypeS, {4, -9, 7}));
    Owned mn(vMin(a.Array()));
    EXPECT_EQ(mn.Array()->type, kTypeS);
    EXPECT_EQ(ValuesOf(mn.obj), (Values{-9}));
    Owned mx(vMax(a.Array()));
    EXPECT_EQ(ValuesOf(mx.obj), (Values{7}));
    Owned empty(vArrayCreate1(kTypeF, 0));
    Owned me(vMin(empty.Array()));
    EXPECT_EQ(ValuesOf(me.obj), (Values{0}));
    Owned x(ComplexOf({{1, 1}}));
    EXPECT_EQ(vMax(x.Array()), nullptr);

    Owned c(MakeArray(kTypeC, {-128, -5, 6}));
    Owned ac(Apply(&vvARRAYabsolute, {c.obj}));
    EXPECT_EQ(ValuesOf(ac.obj), (Values{-128, 5, 6}));
    Owned f(MakeArray(kTypeD, {-2.5}));
    Owned af(Apply(&vvARRAYabsolute, {f.obj}));
    EXPECT_EQ(ValuesOf(af.obj), (Values{2.5}));
    Owned xc(ComplexOf({{-1, -2}}));
    Owned ax(Apply(&vvARRAYabsolute, {xc.obj}));
    const auto* px = static_cast<const vCOMPLEX*>(ax.Array()->data);
    EXPECT_EQ(px[0].im, 2.0f);
}

using ArrayLogic = EngineTest;

TEST_F(ArrayLogic, ComparisonsConvertTheSecondInputToTheFirstsType) {
    Owned f(MakeArray(kTypeF, {1.5, 2.0}));
    Owned one(MakeArray(kTypeL, {1}));
    Owned gt(Apply(&vvARRAYgreaterthan, {f.obj, one.obj}));
    EXPECT_EQ(gt.Array()->type, kTypeBoolean);
    EXPECT_EQ(ValuesOf(gt.obj), (Values{1, 1}));
    Owned l(MakeArray(kTypeL, {1, 2, 3}));
    Owned f2(MakeArray(kTypeF, {1.9, 2.5}));
    Owned eq(Apply(&vvARRAYequalto, {l.obj, f2.obj})); // 1.9 -> 1, 2.5 -> 2
    EXPECT_EQ(ValuesOf(eq.obj), (Values{1, 1, 0}));
    Owned ne(Apply(&vvARRAYnotequalto, {l.obj, f2.obj}));
    EXPECT_EQ(ValuesOf(ne.obj), (Values{0, 0, 1}));
    Owned two(MakeArray(kTypeL, {2}));
    Owned lt(Apply(&vvARRAYlessthan, {l.obj, two.obj}));
    EXPECT_EQ(ValuesOf(lt.obj), (Values{1, 0, 0}));
    Owned x(ComplexOf({{1, 0}}));
    Owned xeq(Apply(&vvARRAYequalto, {x.obj, x.obj}));
    EXPECT_EQ(ValuesOf(xeq.obj), (Values{0}));
}

TEST_F(ArrayLogic, NotAndOrXor) {
    Owned d(MakeArray(kTypeD, {0.0, 2.5}));
    Owned n(vNot(d.Array()));
    EXPECT_EQ(ValuesOf(n.obj), (Values{1, 0}));
    Owned a(MakeArray(kTypeL, {1, 0, 1}));
    Owned b(MakeArray(kTypeL, {1, 1}));
    Owned andR(Apply(&vvARRAYand, {a.obj, b.obj}));
    EXPECT_EQ(andR.Array()->type, kTypeBoolean);
    EXPECT_EQ(ValuesOf(andR.obj), (Values{1, 0}));
    Owned orR(Apply(&vvARRAYor, {a.obj, b.obj}));
    EXPECT_EQ(ValuesOf(orR.obj), (Values{1, 1}));
    Owned c(MakeArray(kTypeL, {0, 5, 3}));
    Owned xorR(Apply(&vvARRAYxor, {a.obj, c.obj}));
    EXPECT_EQ(ValuesOf(xorR.obj), (Values{1, 1, 0}));
}

using ArrayTranscendental = EngineTest;

TEST_F(ArrayTranscendental, FloatUnlessDouble) {
    Owned l(MakeArray(kTypeL, {4, 9}));
    Owned s(Apply(&vvARRAYsqrt, {l.obj}));
    EXPECT_EQ(s.Array()->type, kTypeF);
    EXPECT_EQ(ValuesOf(s.obj), (Values{2, 3}));
    Owned d(MakeArray(kTypeD, {0, 1}));
    Owned e(Apply(&vvARRAYexp, {d.obj}));
    EXPECT_EQ(e.Array()->type, kTypeD);
    EXPECT_DOUBLE_EQ(ValuesOf(e.obj)[1], std::exp(1.0));
    Owned three(MakeArray(kTypeL, {3, 100}));
    Owned p(Apply(&vvARRAYpow, {l.obj, three.obj}));
    EXPECT_EQ(ValuesOf(p.obj), (Values{64, 729}));
    Owned lg(Apply(&vvARRAYlog10, {three.obj}));
    EXPECT_FLOAT_EQ(static_cast<float>(ValuesOf(lg.obj)[1]), 2.0f);
    Owned sn(Apply(&vvARRAYsin, {d.obj}));
    EXPECT_DOUBLE_EQ(ValuesOf(sn.obj)[1], std::sin(1.0));
}

using ArrayShapes = EngineTest;

TEST_F(ArrayShapes, RampCreateAndAs) {
    Owned four(MakeArray(kTypeL, {4}));
    Owned ramp(Apply(&vvARRAYramp, {four.obj}));
    EXPECT_EQ(ramp.Array()->type, kTypeL);
    EXPECT_EQ(ValuesOf(ramp.obj), (Values{1, 2, 3, 4}));
    Owned zero(MakeArray(kTypeL, {0}));
    Owned empty(Apply(&vvARRAYramp, {zero.obj}));
    EXPECT_EQ(empty.Array()->count, 0u);
    Owned tooMany(MakeArray(kTypeL, {2000000000}));
    EXPECT_EQ(Apply(&vvARRAYramp, {tooMany.obj}), nullptr);

    Owned code(MakeArray(kTypeL, {kTypeS}));
    Owned dims(MakeArray(kTypeF, {2, 3}));
    Owned made(Apply(&vvARRAYcreate, {code.obj, dims.obj}));
    ASSERT_NE(made.obj, nullptr);
    EXPECT_EQ(made.Array()->type, kTypeS);
    EXPECT_EQ(made.Array()->ndims, 2);
    EXPECT_EQ(made.Array()->count, 6u);
    Owned badCode(MakeArray(kTypeL, {60}));
    EXPECT_EQ(Apply(&vvARRAYcreate, {badCode.obj, dims.obj}), nullptr);

    Owned bytes(MakeArray(kTypeUC, {1, 0, 2, 0, 9}));
    Owned shorts(vArrayCreate1(kTypeS, 2));
    Owned as(Apply(&vvARRAYas, {bytes.obj, shorts.obj}));
    EXPECT_EQ(ValuesOf(as.obj), (Values{1, 2}));
    Owned longs(vArrayCreate1(kTypeL, 2));
    EXPECT_EQ(Apply(&vvARRAYas, {bytes.obj, longs.obj}), nullptr);
}

vARRAY* Grid(unsigned long w, unsigned long h) {
    unsigned long dims[2] = {w, h};
    vARRAY* a = vArrayCreate(kTypeL, 2, dims);
    auto* p = static_cast<std::int32_t*>(a->data);
    for (std::uint32_t i = 0; i < a->count; ++i)
        p[i] = static_cast<std::int32_t>(i);
    return a;
}

TEST_F(ArrayShapes, AppendAlongTheLastDimension) {
    Owned a(Grid(2, 3));
    Owned b(Grid(2, 4));
    Owned r(Apply(&vvARRAYappend, {a.obj, b.obj}));
    ASSERT_NE(r.obj, nullptr);
    EXPECT_EQ(r.Array()->dims[0], 2u);
    EXPECT_EQ(r.Array()->dims[1], 7u);
    EXPECT_EQ(ValuesOf(r.obj), (Values{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 6, 7}));
    Owned c(Grid(3, 3));
    EXPECT_EQ(Apply(&vvARRAYappend, {a.obj, c.obj}), nullptr);
    Owned f(MakeArray(kTypeF, {1, 2}));
    Owned l(MakeArray(kTypeL, {5}));
    Owned mixed(Apply(&vvARRAYappend, {l.obj, f.obj}));
    EXPECT_EQ(ValuesOf(mixed.obj), (Values{5, 0, 0})); // another type stays 0
}

TEST_F(ArrayShapes, ExtractAndInsertUseOneBasedPositions) {
    Owned a(Grid(10, 10));
    Owned size(MakeArray(kTypeL, {3, 3}));
    Owned at(MakeArray(kTypeL, {1, 1}));
    Owned block(Apply(&vvARRAYextract, {a.obj, size.obj, at.obj}));
    EXPECT_EQ(ValuesOf(block.obj), (Values{0, 1, 2, 10, 11, 12, 20, 21, 22}));
    Owned at2(MakeArray(kTypeL, {9, 10}));
    Owned edge(Apply(&vvARRAYextract, {a.obj, size.obj, at2.obj})); // only 2x1 lies inside
    EXPECT_EQ(ValuesOf(edge.obj), (Values{98, 99, 0, 0, 0, 0, 0, 0, 0}));
    Owned outside(MakeArray(kTypeL, {0, 1}));
    Owned none(Apply(&vvARRAYextract, {a.obj, size.obj, outside.obj}));
    EXPECT_EQ(ValuesOf(none.obj), Values(9, 0));

    Owned target(vArrayCreate(kTypeL, 2, std::array<unsigned long, 2>{4, 3}.data()));
    Owned piece(Grid(2, 2));
    Owned pos(MakeArray(kTypeL, {3, 2}));
    Owned r(Apply(&vvARRAYinsert, {target.obj, piece.obj, pos.obj}));
    EXPECT_EQ(ValuesOf(r.obj), (Values{0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 2, 3}));
    EXPECT_EQ(ValuesOf(target.obj), Values(12, 0));
    Owned fpiece(MakeArray(kTypeF, {7}));
    Owned r2(Apply(&vvARRAYinsert, {target.obj, fpiece.obj, pos.obj}));
    EXPECT_EQ(ValuesOf(r2.obj), Values(12, 0));
}

TEST_F(ArrayShapes, MoveNeedsOneTypeAndClipsToBothArrays) {
    Owned src(Grid(3, 3));
    long zero[4] = {0, 0, 0, 0};
    long at[4] = {2, 2, 0, 0};
    unsigned long size[4] = {3, 3, 1, 1};
    Owned dst(vArrayCreate(kTypeL, 2, std::array<unsigned long, 2>{3, 3}.data()));
    EXPECT_EQ(vArrayMove(src.Array(), dst.Array(), zero, at, size), dst.obj);
    EXPECT_EQ(ValuesOf(dst.obj), (Values{0, 0, 0, 0, 0, 0, 0, 0, 0}));
    Owned dst2(vArrayCreate(kTypeL, 2, std::array<unsigned long, 2>{3, 3}.data()));
    vArrayMove(src.Array(), dst2.Array(), at, zero, size);
    EXPECT_EQ(ValuesOf(dst2.obj), (Values{8, 0, 0, 0, 0, 0, 0, 0, 0}));
    Owned fresh(vArrayMove(src.Array(), nullptr, zero, zero, size));
    EXPECT_EQ(ValuesOf(fresh.obj), ValuesOf(src.obj));
    Owned other(vArrayCreate1(kTypeS, 9));
    EXPECT_EQ(vArrayMove(src.Array(), other.Array(), zero, zero, size), nullptr);
    long negative[4] = {-1, 0, 0, 0};
    Owned dst3(vArrayCreate(kTypeL, 2, std::array<unsigned long, 2>{3, 3}.data()));
    vArrayMove(src.Array(), dst3.Array(), negative, zero, size);
    EXPECT_EQ(ValuesOf(dst3.obj), Values(9, 0));
}

TEST_F(ArrayShapes, RandomFollowsItsGenerator) {
    vRandomSetState(1);
    Owned limits(MakeArray(kTypeL, {100, 100, 0, -1}));
    Owned r(Apply(&vvARRAYrandom, {limits.obj}));
    // States: 1, 1*12345+6789 = 19134, 19134*12345+6789 (wrapping), ...
    std::uint32_t s1 = 1, s2 = s1 * 12345u + 6789u, s3 = s2 * 12345u + 6789u,
                  s4 = s3 * 12345u + 6789u;
    EXPECT_EQ(ValuesOf(r.obj), (Values{static_cast<double>(s1 % 101), static_cast<double>(s2 % 101),
                                       0, static_cast<double>(static_cast<std::int32_t>(s4))}));
    EXPECT_EQ(r.Array()->type, kTypeL);
    EXPECT_EQ(vRandomState(), s4 * 12345u + 6789u);
}

using ArrayImages = EngineTest;

vARRAY* Image(unsigned long w, unsigned long h, std::initializer_list<int> values) {
    unsigned long dims[2] = {w, h};
    vARRAY* a = vArrayCreate(kTypeUC, 2, dims);
    auto* p = static_cast<std::uint8_t*>(a->data);
    for (int v : values)
        *p++ = static_cast<std::uint8_t>(v);
    return a;
}

TEST_F(ArrayImages, SmoothIsABoxMeanWithAZeroBorder) {
    Owned img(Image(4, 3, {9, 9, 9, 0, 9, 9, 9, 0, 9, 9, 9, 0}));
    Owned three(MakeArray(kTypeL, {3}));
    Owned r(Apply(&vvARRAYsmooth, {img.obj, three.obj}));
    ASSERT_NE(r.obj, nullptr);
    EXPECT_EQ(ValuesOf(r.obj), (Values{0, 0, 0, 0, 0, 9, 6, 0, 0, 0, 0, 0}));
    Owned big(MakeArray(kTypeL, {5}));
    Owned allZero(Apply(&vvARRAYsmooth, {img.obj, big.obj}));
    EXPECT_EQ(ValuesOf(allZero.obj), Values(12, 0));
    Owned notUC(MakeArray(kTypeL, {1, 2, 3}));
    EXPECT_EQ(Apply(&vvARRAYsmooth, {notUC.obj, three.obj}), nullptr);
    Owned none(MakeArray(kTypeL, {0}));
    EXPECT_EQ(Apply(&vvARRAYsmooth, {img.obj, none.obj}), nullptr);
}

TEST_F(ArrayImages, ConvolveDividesBySumOfPositiveWeights) {
    Owned img(Image(5, 1, {10, 20, 30, 40, 50}));
    Owned edge(MakeArray(kTypeL, {-1, 0, 1}));
    Owned r(Apply(&vvARRAYconvolve, {img.obj, edge.obj}));
    EXPECT_EQ(ValuesOf(r.obj), (Values{0, 20, 20, 20, 0}));
    Owned back(MakeArray(kTypeL, {1, 0, -1}));
    Owned neg(Apply(&vvARRAYconvolve, {img.obj, back.obj})); // -20 as unsigned, low byte
    EXPECT_EQ(ValuesOf(neg.obj), (Values{0, 236, 236, 236, 0}));
    Owned noPositive(MakeArray(kTypeL, {-1, 0}));
    EXPECT_EQ(Apply(&vvARRAYconvolve, {img.obj, noPositive.obj}), nullptr);
    Owned weights(MakeArray(kTypeF, {1, 2.9}));
    Owned w(Apply(&vvARRAYconvolve, {img.obj, weights.obj})); // kernel taken as Long 1, 2
    EXPECT_EQ(ValuesOf(w.obj), (Values{0, 16, 26, 36, 46}));  // centre of 2 is 1
}

TEST_F(ArrayImages, DivisionByAFixedDivisorIsExact) {
    // SMOOTH divides by k*k through a multiply-and-shift; check it against plain division
    // over every sum a 255-valued 16x16 box can give.
    unsigned long dims[2] = {16, 16};
    for (int k : {3, 5, 7, 16}) {
        Owned img(vArrayCreate(kTypeUC, 2, dims));
        auto* p = static_cast<std::uint8_t*>(img.Array()->data);
        for (int i = 0; i < 256; ++i)
            p[i] = static_cast<std::uint8_t>((i * 97 + k) % 256);
        Owned kk(MakeArray(kTypeL, {static_cast<double>(k)}));
        Owned r(Apply(&vvARRAYsmooth, {img.obj, kk.obj}));
        const auto* out = static_cast<const std::uint8_t*>(r.Array()->data);
        for (int y = 0; y + k <= 16; ++y)
            for (int x = 0; x + k <= 16; ++x) {
                unsigned sum = 0;
                for (int j = 0; j < k; ++j)
                    for (int i = 0; i < k; ++i)
                        sum += p[(y + j) * 16 + x + i];
                ASSERT_EQ(out[(y + k / 2) * 16 + x + k / 2],
                          static_cast<std::uint8_t>(sum / (k * k)));
            }
    }
}

TEST_F(ArrayImages, SmoothEqualsConvolveWithAKernelOfOnes) {
    unsigned long dims[3] = {7, 6, 5};
    Owned img(vArrayCreate(kTypeUC, 3, dims));
    auto* p = static_cast<std::uint8_t*>(img.Array()->data);
    for (std::uint32_t i = 0; i < img.Array()->count; ++i)
        p[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    for (unsigned long side : {1ul, 2ul, 3ul, 5ul}) {
        unsigned long kdims[3] = {side, side, side};
        Owned ones(vArrayCreate(kTypeL, 3, kdims));
        auto* w = static_cast<std::int32_t*>(ones.Array()->data);
        for (std::uint32_t i = 0; i < ones.Array()->count; ++i)
            w[i] = 1;
        Owned k(MakeArray(kTypeL, {static_cast<double>(side)}));
        Owned smooth(Apply(&vvARRAYsmooth, {img.obj, k.obj}));
        Owned convolve(Apply(&vvARRAYconvolve, {img.obj, ones.obj}));
        ASSERT_NE(smooth.obj, nullptr);
        EXPECT_EQ(ValuesOf(smooth.obj), ValuesOf(convolve.obj)) << side;
    }
}

TEST_F(ArrayImages, SmoothWithABoxAsLargeAsTheImage) {
    unsigned long dims[4] = {12, 12, 12, 12};
    Owned img(vArrayCreate(kTypeUC, 4, dims));
    std::memset(img.Array()->data, 200, img.Array()->bytes);
    Owned k(MakeArray(kTypeL, {12}));
    Owned r(Apply(&vvARRAYsmooth, {img.obj, k.obj}));
    ASSERT_NE(r.obj, nullptr);
    // One output position, at the centre; 200 * 12^4 wraps in 32 bits like every sum does.
    std::uint32_t sum = 200u * 20736u;
    EXPECT_EQ(vLongValue(r.Array(), 6 + 12 * (6 + 12 * (6 + 12 * 6))),
              static_cast<std::uint8_t>(sum / 20736u));
}

using ArrayControl = EngineTest;

TEST_F(ArrayControl, CountResetsWhenTheLimitIsReached) {
    Owned one(MakeArray(kTypeL, {1}));
    Owned limit(MakeArray(kTypeL, {3}));
    Owned counter(vArrayCreate1(kTypeL, 1));
    EXPECT_EQ(Apply(&vvARRAYcount, {one.obj, limit.obj, counter.obj}), nullptr);
    EXPECT_EQ(Apply(&vvARRAYcount, {one.obj, limit.obj, counter.obj}), nullptr);
    Owned third(Apply(&vvARRAYcount, {one.obj, limit.obj, counter.obj}));
    EXPECT_EQ(ValuesOf(third.obj), (Values{3}));
    EXPECT_EQ(ValuesOf(counter.obj), (Values{0}));
    // A limit of 0 gives the running count every time.
    Owned zero(MakeArray(kTypeL, {0}));
    Owned first(Apply(&vvARRAYcount, {one.obj, zero.obj, counter.obj}));
    Owned second(Apply(&vvARRAYcount, {one.obj, zero.obj, counter.obj}));
    EXPECT_EQ(ValuesOf(second.obj), (Values{2}));
}

TEST_F(ArrayControl, GateIfAndToText) {
    Owned data(vTextCreate("payload"));
    Owned yes(MakeArray(kTypeF, {0, 0.5, 2}));
    Owned no(MakeArray(kTypeF, {0.9, 0}));
    EXPECT_EQ(vCallFunction(kFnGate, std::array<vOBJECT*, 3>{data.obj, no.obj, nullptr}.data()),
              data.obj);
    EXPECT_EQ(vCallFunction(kFnIf, std::array<vOBJECT*, 3>{data.obj, yes.obj, nullptr}.data()),
              data.obj);
    EXPECT_EQ(vCallFunction(kFnIf, std::array<vOBJECT*, 3>{data.obj, no.obj, nullptr}.data()),
              nullptr);
    EXPECT_EQ(vCallFunction(kFnGate, std::array<vOBJECT*, 2>{data.obj, nullptr}.data()), nullptr);
    // COUNT belongs to arrays only.
    EXPECT_EQ(
        vCallFunction(kFnCount, std::array<vOBJECT*, 4>{data.obj, yes.obj, no.obj, nullptr}.data()),
        nullptr);
    Owned text(vCallFunction(kFnToText, std::array<vOBJECT*, 2>{yes.obj, nullptr}.data()));
    ASSERT_TRUE(vvIsClass(text.obj, vTextClass));
    EXPECT_STREQ(vTextGet(text.As<vTEXT>()), "0.000,5.000E-1,2.000");
}

using ArrayText = EngineTest;

TEST_F(ArrayText, DescribeAndToAscii) {
    Owned a(MakeArray(kTypeL, {1, 2, 3}));
    EXPECT_EQ(Describe(a.obj), "CLASS: Array\nDIMS : 1 (3)Long\n  1  2  3");
    vAddKey(a.obj, "count");
    EXPECT_EQ(Describe(a.obj), "KEY  : count\nCLASS: Array\nDIMS : 1 (3)Long\n  1  2  3");
    EXPECT_EQ(ToAscii(a.obj), "1,2,3");
    Owned g(Grid(4, 3));
    EXPECT_EQ(ToAscii(g.obj), "0,1,2,3,4,5,6,7,8,9"); // ten elements at most
    char small[6];
    EXPECT_EQ(vToAscii(g.obj, small, sizeof small), 5);
    EXPECT_STREQ(small, "0,1,2");
    Owned scalar(vArrayCreate(kTypeD, 0, nullptr));
    EXPECT_EQ(Describe(scalar.obj), "CLASS: ArrayDouble\n  0.000");
}

} // namespace

#!/usr/bin/env python3
# Writes the job-file fixtures of tests/data (CR LF text, as the programs write their files).
# The masks are re-stated here on their own, so the fixtures check the C++ listings rather than
# repeat them. Usage: make_fixtures.py <folder>
import os
import sys
from decimal import Decimal, ROUND_HALF_EVEN

def rnd(v, d):
    q = Decimal(1).scaleb(-d)
    return Decimal(repr(float(v))).quantize(q, rounding=ROUND_HALF_EVEN)

def fixed(v, places, decimals, zero_int=True, fill=True):
    """'* ###0.000'-like: places integer places (fill counts 2), decimals fixed."""
    r = rnd(v, decimals)
    s = format(abs(r), 'f')
    ip, _, fp = s.partition('.')
    if ip == '0' and not zero_int:
        ip = ''
    neg = r < 0 and (ip.strip('0') or fp.strip('0'))
    ip = ('-' if neg else '') + ip
    if fill:
        ip = ip.rjust(places)
    return ip + ('.' + fp if decimals else '')

def expo(v, decimals, zero_int=False, plus=True):
    """'#.0000E+##' (zero_int False) or '0.000000E+###' (zero_int True)."""
    if v == 0:
        return ('0' if zero_int else '') + '.' + '0' * decimals + ('E+0' if plus else 'E0')
    s = '%.*e' % (decimals, abs(v))
    m, e = s.split('e')
    e = int(e)
    sign = '-' if e < 0 else ('+' if plus else '')
    return ('-' if v < 0 else '') + m + 'E' + sign + str(abs(e))

def trimmed(v, decimals):
    """Up to decimals places, at least one: '#####0.0##'-like."""
    s = fixed(v, 1, decimals, fill=False).rstrip('0')
    return s + '0' if s.endswith('.') else s

def plain(v):
    """NumberToText: leading blank, shortest form, no 0 before the point."""
    s = repr(float(v))
    if s.endswith('.0'):
        s = s[:-2]
    if s.startswith('0.'):
        s = s[1:]
    return (' ' if v >= 0 else '') + s

OUT = sys.argv[1]

def write(name, lines):
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(''.join(l + '\r\n' for l in lines).encode('ascii'))

def geometry(job, strip, symmetric, length, elements, E, nu, alpha, rows):
    kind = ('SYMMETRIC ' if symmetric else '') + ('STRIP!' if strip else 'BEAM!')
    L = ['Job: %s // GEOMETRY & MAT. PROPERTIES' % job, 'DATA:  ' + kind,
         "Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio",
         '    ' + plain(length) + '         ' + plain(elements) + ' ' * 13 + expo(E, 4) + ' ' * 12 + fixed(nu, 1, 3, fill=False),
         'Coefficient of Thermal Expansion:' + '   ' + expo(alpha, 3),
         "Element 'i' Element Length [m]  Thickness [m]" if strip else
         "Element 'i'  Element Length [m]   Width [m]      Thickness [m]"]
    for i, r in enumerate(rows, 1):
        line = fixed(i, 5, 0) + ' ' * 14 + fixed(r[0], 1, 4, fill=False) + '  '
        for v in r[1:]:
            line += ' ' * 9 + fixed(v, 1, 4, fill=False) + '  '
        L.append(line)
    L += ['', '--------------------- END OF GEOMETRY DATA ---------------------']
    return L

def supports(job, strip, symmetric, left, right, unyielding=None, springs=(), winkler=(), iso=None, cross=None):
    L = ['Job: %s // SUPPORTS' % job, 'BEAM/STRIP SUPPORT DATA:',
         'Left Edge Fixed against Rotation (?):  ' + left,
         'Right Edge Fixed against Rotation (?):  ' + ('LOAD DEPENDENT!' if symmetric else right)]
    if unyielding is not None:
        L.append('UNYIELDING SUPPORTS at Nodes: ' + unyielding)
    if springs:
        L += ['ELASTIC SUPPORTS:', "Node 'i'   Vert. Spring Constant   Rotat. Spring Constant",
              '                  [kN/m/m]              [kN*m/rad/m]' if strip else
              '                   [kN/m]                [kN*m/rad]']
        for node, kv, kr in springs:
            L.append(fixed(node, 7, 0) + ' ' * 9 + expo(kv, 6, True) + ' ' * 14 + expo(kr, 6, True))
    if winkler:
        L += ['WINKLER FOUNDATION:', "Element 'i'  Subgrade Mod.    Subgrade Mod.    Yield Stress   Yield Stress",
              "(Nodes i,j)  at 'i' [kPa/m]   at 'j' [kPa/m]   at 'i' [kPa]   at 'j' [kPa] "]
        for e, ki, kj, yi, yj in winkler:
            L.append(fixed(e, 7, 0) + ' ' * 8 + expo(ki, 4, True) + ' ' * 8 + expo(kj, 4, True) +
                     ' ' * 7 + fixed(yi, 5, 3) + ' ' * 6 + fixed(yj, 5, 3))
    if iso:
        E, nu, y = iso
        L.append('ISOTROPIC ELASTIC HALF-SPACE: E =' + expo(E, 5, True) + '[kPa];   Nu =' + fixed(nu, 1, 4, fill=False))
        L.append('ISOTROPIC YIELD STRESS: ' + fixed(y, 1, 2, fill=False) + '[kPa]')
    if cross:
        ev, eh, gv, nuh, nuv, y = cross
        L += ['CROSS-ANISOTROPIC ELASTIC HALF-SPACE:', 'Moduli of Elasticity [kPa]:',
              '  for Vertical Direction,   Ev = ' + expo(ev, 5), '  for Horizontal Direction, Eh = ' + expo(eh, 5),
              '  Quasi Shear Modulus,      Gv = ' + expo(gv, 5), "Poisson's Ratios for Effect of Horizontal Stress on:",
              '  Complementary Horizontal Strain, NUh = ' + trimmed(nuh, 4),
              '  Vertical Strain,                 NUv = ' + trimmed(nuv, 4),
              'VERTICAL YIELD STRESS: ' + fixed(y, 1, 2, fill=False) + '[kPa]']
    L += ['', '------------------------ END OF SUPPORT DATA ------------------------']
    return L

def loads(job, case, symmetric=None, uniform=0.0, density=0.0, nodal=(), trapezoidal=(), temperature=()):
    L = ['Job: %s // LOADS (%s)' % (job, case),
         'LOAD DATA:' + ('' if symmetric is None else (' SYMMETRIC LOADS ' if symmetric else ' ANTISYMMETRIC LOADS '))]
    L.append('Uniform Load [kN/m]: ' + trimmed(uniform, 3))
    L.append('Self Weight (Mass Density) [kg/m^3]: ' + trimmed(density, 3))
    # A table of rows (number, first value, second value) under its heads, with its remarks.
    def table(rows, heads, widths, remarks):
        if rows:
            L.extend([''] + heads)
            for i, a, b in rows:
                L.append(fixed(i, 5, 0) + fixed(a, widths[0], 4, zero_int=False) + fixed(b, widths[1], 4, zero_int=False))
            L.extend(remarks)
    element_first = '**REMARK: - ELEMENT NUMBERING STARTS AT BEAM/STRIP LEFT EDGE'
    table(nodal, ['NODAL LOADING:', " Node 'i'      Downward Force Pi      Clockwise Moment Mi",
                  '                     [kN]                   [kN*m]'], (17, 19),
          ['**REMARK: - NODE NUMBERING STARTS AT BEAM/STRIP LEFT EDGE',
           '          - DOWNWARD FORCES ARE CONSIDERED TO BE POSITIVE',
           '          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE'])
    table(trapezoidal, ['TRAPEZOIDAL LOADING:', " Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'",
                        '(Nodes i,j)         [kN/m]                  [kN/m]'], (14, 14),
          [element_first, '          - DOWNWARD LOADS ARE CONSIDERED TO BE POSITIVE'])
    table(temperature, ['TEMPERATURE LOADING (CHANGES):', " Elment 'i'     Above the Element       Below the Element",
                        '(Nodes i,j)        [Celsius]               [Celsius]'], (14, 14),
          [element_first, '          - TEMPERATURE INCREASE IS CONSIDERED TO BE POSITIVE'])
    L += ['', '------------------------- END OF LOAD DATA -------------------------']
    return L

def job(name, geo, sup, cases):
    write(name + '.GEO', geo)
    write(name + '.SUP', sup)
    for case, lines in cases:
        write(name + '.LD' + case.strip()[0], lines)
    write(name + '.CAS', [c for c, _ in cases])

# --- Listing round trips --------------------------------------------------------------------
J = 'C:\\DATA\\BEAMJOB'
job('BEAMJOB',
    geometry(J, False, False, 6, 3, 3.0e7, 0.2, 1.0e-5, [(2.0, 0.3, 0.5), (2.5, 0.3, 0.5), (1.5, 0.4, 0.6)]),
    supports(J, False, False, 'Y', 'N', '1, 4', springs=[(2, 5000, 0), (3, 12500, 250.5)],
             winkler=[(1, 2e4, 2e4, 150, 150), (2, 2e4, 3e4, 150, 0), (3, 3e4, 3e4, 0, 0)], iso=(15000, 0.3, 150)),
    [('A dead', loads(J, 'A dead', None, 12.5, 2500, nodal=[(2, 10, 0), (4, -3.5, 12.25)],
                      trapezoidal=[(1, 5, 7.5), (3, 0, 2)], temperature=[(2, 5, 25)]))])
J = 'C:\\DATA\\STRIPSYM'
job('STRIPSYM',
    geometry(J, True, True, 1.5, 2, 2.5e7, 0.15, 1.2e-5, [(0.75, 0.4), (0.75, 0.4)]),
    supports(J, True, True, 'N', 'N', cross=(2e4, 4e4, 8e3, 0.2, 0.15, 200)),
    [('S', loads(J, 'S', True, nodal=[(3, 50, 0)]))])

# --- Analyses with closed forms ---------------------------------------------------------------
def beam(name, L, ne, b, h, E, sup, cases, alpha=0.0, symmetric=False):
    geo = geometry(name, False, symmetric, L, ne, E, 0.0, alpha, [(L / ne, b, h)] * ne)
    job(name, geo, sup(name), cases(name))

beam('CANTI', 4, 4, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'Y', 'N', '1'),
     lambda j: [('P', loads(j, 'P', uniform=5, nodal=[(5, 10, 0)]))])
beam('SIMPLE', 8, 8, 0.4, 0.6, 2.5e7, lambda j: supports(j, False, False, 'N', 'N', '1,9'),
     lambda j: [('Q', loads(j, 'Q', uniform=10, density=2500, nodal=[(5, 40, 0)]))])
beam('SIMPLE2', 4, 2, 0.3, 0.5, 3.2e7, lambda j: supports(j, False, False, 'N', 'N', '1, 3'),
     lambda j: [('Point', loads(j, 'Point', nodal=[(2, 10, 0)]))])
heat = lambda j: [('H', loads(j, 'H', temperature=[(e, 0, 30) for e in range(1, 7)]))]
beam('TEMPSS', 6, 6, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', '1, 7'), heat, alpha=1e-5)
beam('TEMPFF', 6, 6, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'Y', 'Y', '1, 7'), heat, alpha=1e-5)

def strip(name, B, ne, h, E, nu, alpha, sup, cases, symmetric=False):
    geo = geometry(name, True, symmetric, B, ne, E, nu, alpha, [(B / ne, h)] * ne)
    job(name, geo, sup(name), cases(name))

sheat = lambda j: [('T', loads(j, 'T', temperature=[(e, -10, 10) for e in range(1, 4)]))]
strip('TSTRIPSS', 3, 3, 0.4, 2.5e7, 0.2, 1.2e-5, lambda j: supports(j, True, False, 'N', 'N', '1, 4'), sheat)
strip('TSTRIPFF', 3, 3, 0.4, 2.5e7, 0.2, 1.2e-5, lambda j: supports(j, True, False, 'Y', 'Y', '1, 4'), sheat)

# Long beam on a Winkler foundation, central point load; and its symmetric half.
wk = [(e, 2.5e4, 2.5e4, 0, 0) for e in range(1, 81)]
beam('WINKLER', 20, 80, 1.0, 0.35, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', winkler=wk),
     lambda j: [('P', loads(j, 'P', nodal=[(41, 1000, 0)]))])
beam('WINKSYM', 10, 40, 1.0, 0.35, 3.0e7, lambda j: supports(j, False, True, 'N', 'N', winkler=wk[:40]),
     lambda j: [('P', loads(j, 'P', True, nodal=[(41, 500, 0)]))], symmetric=True)
# A Winkler modulus that steps at node 3: the pressure jumps there.
beam('WINKSTEP', 4, 4, 0.5, 0.4, 3.0e7, lambda j: supports(j, False, False, 'N', 'N',
     winkler=[(1, 1e4, 1e4, 0, 0), (2, 1e4, 1e4, 0, 0), (3, 3e4, 3e4, 0, 0), (4, 3e4, 3e4, 0, 0)]),
     lambda j: [('U', loads(j, 'U', uniform=20))])

# Flexible strip (modulus 0) on the isotropic half-space under a uniform load; the same with
# cross-anisotropic constants that describe the isotropic soil; a stiff strip on it; bad soil.
strip('HSZERO', 2, 40, 0.3, 0.0, 0.2, 0.0, lambda j: supports(j, True, False, 'N', 'N', iso=(1e4, 0.3, 0)),
      lambda j: [('Q', loads(j, 'Q', uniform=100))])
strip('HSXISO', 2, 40, 0.3, 0.0, 0.2, 0.0,
      lambda j: supports(j, True, False, 'N', 'N', cross=(1e4, 1e4, 1e4 / 2.6, 0.3, 0.3, 0)),
      lambda j: [('Q', loads(j, 'Q', uniform=100))])
strip('HSSTRIP', 2, 20, 0.5, 3.0e7, 0.2, 0.0, lambda j: supports(j, True, False, 'N', 'N', iso=(2e4, 0.3, 600)),
      lambda j: [('Q', loads(j, 'Q', uniform=80, nodal=[(11, 50, 0)]))])
strip('HSSYM', 1, 10, 0.5, 3.0e7, 0.2, 0.0, lambda j: supports(j, True, True, 'N', 'N', iso=(2e4, 0.3, 600)),
      lambda j: [('Q', loads(j, 'Q', True, uniform=80, nodal=[(11, 25, 0)]))], symmetric=True)
strip('HSBAD', 2, 4, 0.5, 3.0e7, 0.2, 0.0,
      lambda j: supports(j, True, False, 'N', 'N', cross=(1e4, 1e4, 4e3, 0.3, 0.7, 0)),
      lambda j: [('Q', loads(j, 'Q', uniform=80))])
beam('HSBEAM', 6, 12, 0.8, 0.5, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', iso=(3e4, 0.25, 300)),
     lambda j: [('L', loads(j, 'L', uniform=30, trapezoidal=[(3, 10, 20)], nodal=[(7, 100, 0)]))])

# Mechanisms: no support at all; one unyielding node.
beam('NOSUP', 4, 4, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'N', 'N'),
     lambda j: [('P', loads(j, 'P', nodal=[(3, 10, 0)]))])
beam('MECH', 4, 4, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', '2'),
     lambda j: [('P', loads(j, 'P', nodal=[(3, 10, 0)]))])

# --- Elastic-plastic analyses -----------------------------------------------------------------
# A beam on Winkler soil (yield stress 100 kPa) whose centre load of 800 kN yields the soil under
# the middle of its length; its symmetric half; the same with ends that never yield (y = 0).
wy = [(e, 2e4, 2e4, 100, 100) for e in range(1, 21)]
beam('WINKYLD', 10, 20, 1.0, 0.4, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', winkler=wy),
     lambda j: [('P', loads(j, 'P', nodal=[(11, 800, 0)]))])
beam('WINKYSYM', 5, 10, 1.0, 0.4, 3.0e7, lambda j: supports(j, False, True, 'N', 'N', winkler=wy[:10]),
     lambda j: [('P', loads(j, 'P', True, nodal=[(11, 400, 0)]))], symmetric=True)
wm = [(e, 2e4, 2e4, 0 if e in (1, 2, 19, 20) else 100, 0 if e in (1, 2, 19, 20) else 100) for e in range(1, 21)]
beam('WINKMIX', 10, 20, 1.0, 0.4, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', winkler=wm),
     lambda j: [('P', loads(j, 'P', nodal=[(11, 1000, 0)]))])
# Stiff strips on the half-space: the edges yield (130 kPa); a load near one edge whose yield
# zone grows a node a pass and needs more passes than 21 nodes allow; a moment below and above
# the strip's plastic moment y B^2 / 4 = 100 kNm/m, free and held by two rotational springs.
hs = lambda y, springs=(): (lambda j: supports(j, True, False, 'N', 'N', springs=springs, iso=(2e4, 0.3, y)))
strip('HSYIELD', 2, 20, 0.5, 3.0e7, 0.2, 0.0, hs(130), lambda j: [('Q', loads(j, 'Q', uniform=80, nodal=[(11, 50, 0)]))])
strip('HSSLOW', 2, 20, 0.5, 3.0e7, 0.2, 0.0, hs(80), lambda j: [('Q', loads(j, 'Q', uniform=20, nodal=[(12, 104, 0)]))])
moments = lambda j: [('Moderate', loads(j, 'Moderate', uniform=10, nodal=[(11, 0, 50)])),
                     ('Excess', loads(j, 'Excess', uniform=10, nodal=[(11, 0, 200)]))]
strip('HSMOMENT', 2, 20, 0.5, 3.0e7, 0.2, 0.0, hs(100), moments)
strip('HSMOMSPR', 2, 20, 0.5, 3.0e7, 0.2, 0.0, hs(100, [(1, 0, 1e3), (21, 0, 1e3)]), moments)
# A beam on the half-space whose width steps from 0.8 m to 1.2 m at node 7, where it yields.
geo = geometry('HSWIDTH', False, False, 6, 12, 3.0e7, 0.0, 0.0, [(0.5, 0.8, 0.5)] * 6 + [(0.5, 1.2, 0.5)] * 6)
job('HSWIDTH', geo, supports('HSWIDTH', False, False, 'N', 'N', iso=(3e4, 0.25, 100)),
    [('L', loads('HSWIDTH', 'L', uniform=20, nodal=[(7, 400, 0)]))])
# A strip without bending stiffness whose load exceeds the yield stress near its left edge.
strip('HSZEROY', 2, 40, 0.3, 0.0, 0.2, 0.0, hs(120),
      lambda j: [('Q', loads(j, 'Q', uniform=100, trapezoidal=[(e, 60, 60) for e in range(1, 5)]))])

# --- Pre-analysis checks ----------------------------------------------------------------------
# A beam of 4 elements and a symmetric half of 2, each with a load case; the support files of the
# check's rules in checks/ (copied over <job>.SUP by the tests).
beam('CHECK', 4, 4, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, False, 'N', 'N', '1, 5'),
     lambda j: [('A', loads(j, 'A', uniform=10))])
beam('CHECKSYM', 2, 2, 0.3, 0.5, 3.0e7, lambda j: supports(j, False, True, 'N', 'N', '1'),
     lambda j: [('A', loads(j, 'A', True, uniform=10))], symmetric=True)
os.makedirs(os.path.join(OUT, 'checks'), exist_ok=True)
wk4 = [(e, 2e4, 2e4, 100, 100) for e in range(1, 5)]
iso = (2e4, 0.3, 100)
cross = (2e4, 4e4, 8e3, 0.2, 0.15, 100)
for name, args in [
        ('NONE', dict()),
        ('LEFTONLY', dict(left='Y')),
        ('RIGHTONLY', dict(right='Y')),
        ('RIGHTONE', dict(right='Y', unyielding='3')),
        ('ONENODE', dict(unyielding='3')),
        ('TWONODES', dict(unyielding='1, 5')),
        ('LEADZERO', dict(unyielding='1, 05')),
        ('REPEATED', dict(unyielding='3, 3')),
        ('SPRINGS2', dict(springs=[(1, 5000, 0), (5, 5000, 0)])),
        ('SPRING1', dict(springs=[(3, 5000, 0)])),
        ('NODESPRING', dict(unyielding='1', springs=[(5, 5000, 0)])),
        ('R13', dict(left='Y', unyielding='1', springs=[(1, 0, 250)])),
        ('R23', dict(unyielding='1, 5', springs=[(5, 5000, 0)])),
        ('R13AND23', dict(left='Y', unyielding='1, 5', springs=[(1, 0, 250), (5, 5000, 0)])),
        ('LEFTSPRING', dict(left='Y', springs=[(1, 5000, 0)])),
        ('WINKLER', dict(winkler=wk4)),
        ('WINKISO', dict(winkler=wk4, iso=iso)),
        ('WINKCROSS', dict(winkler=wk4, cross=cross)),
        ('ISOCROSS', dict(iso=iso, cross=cross)),
        ('ALLSOIL', dict(winkler=wk4, iso=iso, cross=cross))]:
    a = dict(left='N', right='N')
    a.update(args)
    left, right = a.pop('left'), a.pop('right')
    write(os.path.join('checks', name + '.SUP'), supports('CHECK', False, False, left, right, **a))

#!/usr/bin/env python3
"""Seed corpora of the fuzz targets from the test fixtures and from the files the native tests
made (kept with SUITE_KEEP_TEST_FILES).   seeds.py OUT SOURCE_FOLDER...

For each source folder (searched to any depth), files are grouped by folder and job name. A job
with a geometry file becomes a bundle (each file: its extension on a line, its bytes, a NUL byte),
the seed of the job-file targets of its program (by the folder it came from); every results
report and result file becomes a seed of the report and result targets, every ".DDC" of the
document target, and every small text file of the text-file target."""
import hashlib
import os
import re
import sys

out = sys.argv[1]
TARGETS = ['textfiles', 'ddc', 'trabix_jobfiles', 'trabix_report', 'corvane_jobfiles', 'corvane_results',
           'palvore_jobfiles', 'murelo_jobfiles', 'murelo_report']
for t in TARGETS:
    os.makedirs(os.path.join(out, t), exist_ok=True)

def put(target, data):
    if len(data) > 200000:
        return
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(out, target, name), 'wb') as f:
        f.write(data)

def program_of(path):
    p = path.replace('\\', '/').lower()
    for prog in ('trabix', 'corvane', 'palvore', 'murelo'):
        if '/' + prog + '/' in p or prog + '_' in p:
            return prog
    return None

RESULT = re.compile(r'^R[BPWR].$')
for source in sys.argv[2:]:
    for folder, _, names in os.walk(source):
        prog = program_of(folder + '/')
        jobs = {}
        for n in names:
            path = os.path.join(folder, n)
            try:
                data = open(path, 'rb').read()
            except OSError:
                continue
            base, _, ext = n.rpartition('.')
            ext = ext.upper()
            if ext == 'DDC':
                put('ddc', data)
                continue
            if b'\0' not in data and len(data) < 65536:
                put('textfiles', data)
            if RESULT.match(ext):
                if ext.startswith('RB') and prog in ('trabix', 'murelo'):
                    put(prog + '_report', data)
                else:
                    put('corvane_results', data)
                continue
            if base and len(ext) <= 3 and b'\0' not in data:
                jobs.setdefault(base.upper(), []).append((ext, data))
        for files in jobs.values():
            if prog is None or not any(ext == 'GEO' for ext, _ in files):
                continue
            bundle = b''.join(ext.encode() + b'\n' + data + b'\0' for ext, data in sorted(files) if ext != 'ZIP')
            put(prog + '_jobfiles', bundle)
for t in TARGETS:
    print('%-18s %5d seeds' % (t, len(os.listdir(os.path.join(out, t)))))

"""Generates the mutants: finds the sites of every file in scope, numbers their mutants, chooses which to run,
and rewrites the copy of the sources so that one build carries them all."""
import json
import os
import random
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import clang.cindex as ci

import rewrite
import sites as S

# Every site of these folders is run; elsewhere in the Qt-free code a seeded share of them.
ALL_SITES = ('database/', 'link/', 'listtools/')
CLANG_INCLUDE = '/usr/lib/llvm-14/lib/clang/14.0.6/include'


def compile_args(entry):
    """The compiler's arguments of one compile_commands.json entry, without the input and the output."""
    args = entry.get('arguments') or shlex.split(entry['command'])
    out, skip = [], False
    for a in args[1:]:
        if skip:
            skip = False
        elif a == '-o':
            skip = True
        elif a == '-c' or a == entry['file'] or a.endswith(('.cpp', '.cc')):
            continue
        else:
            out.append(a)
    return out + ['-isystem', CLANG_INCLUDE, '-Wno-everything']


def scope(build, root):
    """(Qt-free core translation units, widget translation units) of the build, as compile entries, and the
    files whose sites count for each: the core's own files and headers, the widget sources."""
    entries = json.load(open(os.path.join(build, 'compile_commands.json')))
    core, widgets = [], []
    for e in entries:
        rel = os.path.relpath(e['file'], root)
        top = rel.split('/')[0]
        command = e.get('command', '') + ' '.join(e.get('arguments', []))
        if top == 'cli':
            core.append(e)
        elif top in ('database', 'link', 'listtools', 'app', 'views', 'dialogs'):
            (core if 'include-views/vizud_' in command else widgets).append(e)
    return core, widgets


def tracked_sources(root, folders):
    found = set()
    for folder in folders:
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for n in names:
                if n.endswith(('.cpp', '.h')):
                    found.add(os.path.relpath(os.path.join(dirpath, n), root))
    return found


def _sites_of(job):
    """Parses one translation unit in a process of its own: libclang may crash on a file."""
    run = subprocess.run([sys.executable, __file__], input=json.dumps(job), capture_output=True, text=True)
    if run.returncode != 0:
        return [], [f'{job[1]["file"]}: libclang failed ({run.returncode}); its sites are left out']
    found, errors = json.loads(run.stdout)
    return [S.Site(**s) for s in found], errors


def find_all(root, entries, wanted, jobs):
    unique, problems = {}, []
    with ThreadPoolExecutor(jobs) as pool:
        for found, errors in pool.map(_sites_of, [(root, e, sorted(wanted)) for e in entries]):
            problems.extend(errors)
            for s in found:
                unique.setdefault(s.key(), s)
    return sorted(unique.values(), key=lambda s: (s.file, s.start, s.end, s.kind, s.op)), problems


def number(site_list, root):
    """Mutant table: one row per mutant, numbered in file order; a site's first mutant number is its id."""
    mutants, placed = [], {}
    next_id = 1
    cache = {}
    for s in site_list:
        data = cache.setdefault(s.file, open(os.path.join(root, s.file), 'rb').read())
        snippet = ' '.join(data[s.start:s.end].decode('utf-8', 'replace').split())
        if len(snippet) > 60:
            snippet = snippet[:57] + '...'
        placed.setdefault(s.file, []).append((s, next_id))
        at = s.op_start if s.kind in ('relational', 'logical') else s.start  # where s.line points
        column = at - (data.rfind(b'\n', 0, at) + 1) + 1
        for what in s.mutants():
            mutants.append({'id': next_id, 'site': placed[s.file][-1][1], 'file': s.file, 'line': s.line,
                            'column': column, 'kind': s.kind, 'what': what,
                            'text': snippet})
            next_id += 1
    return mutants, placed


def choose(mutants, widget_files, elsewhere_share, widget_count, seed):
    """Which mutants the run executes: all in the folders of ALL_SITES, a seeded share elsewhere, and a
    seeded number of widget-code mutants."""
    rng = random.Random(seed)
    core, widget = [], []
    for m in mutants:
        if m['file'] in widget_files:
            widget.append(m)
        elif m['file'].startswith(ALL_SITES) or rng.random() < elsewhere_share:
            core.append(m)
    rng.shuffle(widget)
    return core + sorted(widget[:widget_count], key=lambda m: m['id'])


def key(m):
    """How tests/mutation-equivalent.txt names a mutant: stable while its line does not change."""
    return f'{m["file"]}:{m["line"]}:{m["column"]}: {m["what"]}: {m["text"]}'


def write_rewritten(root, placed, header, disabled):
    """Rewrites every file with sites from its pristine copy; sites in `disabled` stay unmutated."""
    for rel, lst in placed.items():
        pristine = os.path.join(root, '.pristine', rel)
        target = os.path.join(root, rel)
        if not os.path.exists(pristine):
            os.makedirs(os.path.dirname(pristine), exist_ok=True)
            os.replace(target, pristine)
        data = open(pristine, 'rb').read()
        kept = [(s, i) for s, i in lst if i not in disabled]
        new = rewrite.rewrite(data, kept, header)
        if not os.path.exists(target) or open(target, 'rb').read() != new:
            open(target, 'wb').write(new)


if __name__ == '__main__':
    root, entry, wanted = json.load(sys.stdin)
    found, errors = S.find_sites(ci.Index.create(), root, entry['file'], compile_args(entry), set(wanted))
    json.dump([[vars(s) for s in found], [f'{entry["file"]}: {e}' for e in errors[:3]]], sys.stdout)

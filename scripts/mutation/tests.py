"""Runs the project's tests against the mutation build: once each with tracing, to learn which sites each test
reaches, then per mutant only the tests that reach its site, batched per GoogleTest executable."""
import json
import os
import signal
import subprocess
import tempfile
import time


class Test:
    def __init__(self, raw):
        self.name = raw['name']
        self.command = raw['command']
        props = {p['name']: p['value'] for p in raw.get('properties', [])}
        self.env = dict(e.split('=', 1) for e in props.get('ENVIRONMENT', []))
        self.cwd = props.get('WORKING_DIRECTORY')
        filters = [a for a in self.command if a.startswith('--gtest_filter=')]
        self.gtest = filters[0].split('=', 1)[1] if filters else None
        self.seconds = 1.0
        self.reached = set()

    def group(self):
        """Tests of one executable with the same environment run in one process."""
        return (self.command[0], tuple(sorted(self.env.items())), self.cwd) if self.gtest else ('single', self.name)


def list_tests(build):
    out = subprocess.run(['ctest', '--show-only=json-v1'], cwd=build, capture_output=True, text=True, check=True)
    return [Test(t) for t in json.loads(out.stdout)['tests'] if 'command' in t]


def _run(command, env, cwd, timeout):
    """Exit status of a command, or None when it ran out of time (the whole process group is killed)."""
    full_env = dict(os.environ)
    full_env.update(env)
    with subprocess.Popen(command, env=full_env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, start_new_session=True) as p:
        try:
            return p.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
            return None


def trace(test):
    """Runs one test unmutated with tracing; fills test.reached and test.seconds. False when it fails."""
    with tempfile.TemporaryDirectory(prefix='vizud-trace-') as folder:
        env = dict(test.env, VIZUD_MUTATION_TRACE=folder)
        env.pop('VIZUD_MUTANT', None)
        begun = time.monotonic()
        status = _run(test.command, env, test.cwd, 600)
        test.seconds = time.monotonic() - begun
        for name in os.listdir(folder):
            with open(os.path.join(folder, name)) as f:
                test.reached.update(int(line) for line in f if line.strip())
    return status == 0


def _timeout(tests):
    return 5 + 3 * sum(t.seconds for t in tests)


def _single(test, mutant):
    return _run(test.command, dict(test.env, VIZUD_MUTANT=str(mutant)), test.cwd, _timeout([test])) == 0


def _batch(tests, mutant, fail_fast):
    """Names of the tests of one executable that fail with the mutant; None when the process did not finish
    its report (a crash or a hang), so that each test must run on its own."""
    first = tests[0]
    with tempfile.TemporaryDirectory(prefix='vizud-mutant-') as folder:
        report = os.path.join(folder, 'report.json')
        command = [first.command[0], '--gtest_filter=' + ':'.join(t.gtest for t in tests),
                   '--gtest_output=json:' + report] + (['--gtest_fail_fast'] if fail_fast else [])
        status = _run(command, dict(first.env, VIZUD_MUTANT=str(mutant)), first.cwd, _timeout(tests))
        if status is None or not os.path.exists(report):
            return None
        with open(report) as f:
            data = json.load(f)
    failed = {f'{suite["name"]}.{case["name"]}' for suite in data.get('testsuites', [])
              for case in suite.get('testsuite', []) if case.get('failures')}
    if status != 0 and not failed:
        return None
    return {t.name for t in tests if t.gtest in failed}


def killers(mutant, tests, all_killers):
    """The names of the tests that fail with the mutant switched on, among those that reach it, and how many
    reach it. The cheapest executables run first; unless all_killers, the first failure ends the mutant's run
    (the kill matrix then names the first killing test)."""
    groups = {}
    for t in tests:
        if mutant in t.reached:
            groups.setdefault(t.group(), []).append(t)
    killed = set()
    for key, members in sorted(groups.items(), key=lambda g: sum(t.seconds for t in g[1])):
        failed = _batch(members, mutant, not all_killers) if key[0] != 'single' else None
        if failed is None:
            failed = set()
            for t in sorted(members, key=lambda t: t.seconds):
                if not _single(t, mutant):
                    failed.add(t.name)
                    if not all_killers:
                        break
        killed |= failed
        if killed and not all_killers:
            break
    return sorted(killed), sum(len(m) for m in groups.values())

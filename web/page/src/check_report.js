// The results of Check My Work as the dialog shows them: a line per check, passed or failed, and
// for a failed one what was found instead.
export function checkReport(file, report) {
  const box = document.createElement('div');
  box.className = 'check-report';
  if (report.error) {
    box.textContent = `The check file ${file}: ${report.error}`;
    return box;
  }
  const summary = document.createElement('p');
  summary.textContent = `${report.passed} of ${report.passed + report.failed} checks passed.`;
  box.append(summary);
  const list = document.createElement('ul');
  for (const r of report.results) {
    const item = document.createElement('li');
    item.className = r.passed ? 'passed' : 'failed';
    item.textContent = `${r.passed ? '✔' : '✘'} ${r.check}`;
    if (!r.passed && r.found) {
      const found = document.createElement('div');
      found.className = 'found';
      found.textContent = r.found;
      item.append(found);
    }
    list.append(item);
  }
  box.append(list);
  return box;
}

// A topic panel: its labels where the model lays them out, in the label font, on the panel's
// colour or, in the electrical panel, on the painted red gradient. Topics are buttons, links are
// links.
import { place } from './form.js';

const rgb = ([r, g, b]) => `rgb(${r}, ${g}, ${b})`;

// labels: the model's rectangle of each label (binding.js presentPanel).
export function createPanel(data, labels, events) {
  const panel = document.createElement('nav');
  panel.className = 'panel';
  panel.id = `panel${data.templateId}`;
  panel.setAttribute('aria-label', 'Témata');
  panel.style.setProperty('--panel-background', rgb(data.background));
  panel.style.setProperty('--panel-text', rgb(data.labelText));
  let canvas = null;
  if (data.gradient) {
    canvas = document.createElement('canvas');
    canvas.className = 'gradient';
    canvas.setAttribute('aria-hidden', 'true');
    panel.append(canvas);
    panel.classList.add('painted');
  }
  const list = document.createElement('ul');
  data.labels.forEach((label, i) => {
    const item = document.createElement('li');
    let element;
    if (label.link) {
      element = document.createElement('a');
      element.href = label.target;
      // A mail address opens the mail program; a page opens in a new tab.
      if (!label.target.startsWith('mailto:')) {
        element.target = '_blank';
        element.rel = 'noopener';
      }
      element.addEventListener('click', (event) => events.followLink(event, () => events.clickLabel(label.id)));
    } else {
      element = document.createElement('button');
      element.type = 'button';
      element.addEventListener('click', () => events.clickLabel(label.id));
    }
    element.id = `ctl${label.id}`;
    element.className = label.panelFont ? 'label panel-font' : 'label';
    element.textContent = label.text;
    const [x, y, width, height] = labels[i];
    place(item, { x, y, width, height });
    item.append(element);
    list.append(item);
  });
  panel.append(list);

  // The gradient is painted for the panel's height, one row at a time as the model gives it: as
  // on the desktop in the window, spread over the panel's own height where the panel stacks
  // above the form (the narrow layout places it in the flow instead of at the model's place).
  let painted = '';
  const paint = () => {
    if (!canvas) return;
    const height = Math.max(1, panel.clientHeight);
    const stacked = getComputedStyle(panel).position !== 'absolute';
    if (painted === `${height} ${stacked}`) return;
    painted = `${height} ${stacked}`;
    canvas.width = 1;
    canvas.height = height;
    const context = canvas.getContext('2d');
    const image = context.createImageData(1, height);
    for (let row = 0; row < height; ++row) {
      image.data[row * 4] = events.gradientRed(row, stacked ? height : 0);
      image.data[row * 4 + 3] = 255;
    }
    context.putImageData(image, 0, 0);
  };
  return { element: panel, paint };
}

#include "ui/images.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include "records/files.h"
#include "ui/scene.h"

QImage charger_image(const std::string& dossier, const std::string& nom, int largeur_logique) {
  const auto octets = lire_fichier(chemin_donnee(dossier, nom), 64u << 20);
  if (!octets || octets->empty()) return {};
  QImage image;
  if (!image.loadFromData(octets->data(), static_cast<int>(octets->size()))) return {};
  image = image.convertToFormat(QImage::Format_RGB32);
  const double dpr = largeur_logique > 0 ? double(image.width()) / largeur_logique : double(ECHELLE_IMAGES);
  image.setDevicePixelRatio(dpr > 0 ? dpr : 1.0);
  return image;
}

QImage cellule_de_secours(int genre) {
  QImage image = nouvelle_toile(60, 60, genre < 0 ? qRgb(250, 236, 160) : qRgb(176, 112, 52));
  if (genre <= 0) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool blanc = genre <= 2;
  p.setPen(QPen(blanc ? QColor(90, 90, 90) : QColor(20, 20, 20), 2));
  p.setBrush(blanc ? QColor(245, 245, 240) : QColor(40, 40, 40));
  p.drawEllipse(QRectF(8, 8, 44, 44));
  if (genre == 2 || genre == 4) {  // a crown marks the king
    QPainterPath couronne;
    couronne.moveTo(18, 38);
    couronne.lineTo(18, 24);
    couronne.lineTo(24, 31);
    couronne.lineTo(30, 20);
    couronne.lineTo(36, 31);
    couronne.lineTo(42, 24);
    couronne.lineTo(42, 38);
    couronne.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 160, 23));
    p.drawPath(couronne);
  }
  return image;
}

bool sauver_bmp(const QImage& image, const std::filesystem::path& chemin) {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  if (!image.save(&tampon, "BMP")) return false;
  return ecrire_fichier_sur(chemin, octets.constData(), static_cast<std::size_t>(octets.size()));
}
